#pragma once
// The page files of one preview: "PreviewMetafile" + page index, each page
// a recorded picture, optionally as one zlib stream under the same name +
// ".CPR". They live in a folder of their own below the temporary folder, so
// two previews or two running copies never share a file, and the folder
// goes when the preview closes (or at the next start, should the program
// have died with a preview open).
#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <optional>

class QTemporaryDir;

class TPageFiles {
public:
    // root: where the private folder is made (default: the system's
    // temporary folder).
    explicit TPageFiles(bool compress, const QString& root = QString());
    ~TPageFiles(); // removes the folder and every file in it

    bool Compress() const { return compress_; }
    // Empty when the folder could not be made.
    QString Folder() const;
    // Full path of the page file of index as it lies on disk.
    QString FileName(int index) const;

    // Writes the page; false when the file cannot be written (no file is
    // left then), and the page is kept in memory instead.
    bool Save(int index, const QByteArray& page);
    // The page as it was saved or kept; nothing when its file is missing or
    // damaged.
    std::optional<QByteArray> Load(int index) const;
    // Deletes every page file and the folder, and the pages kept.
    void RemoveAll();

    // Removes the page folders below root that belong to programs no longer
    // running; returns how many went.
    static int RemoveStale(const QString& root = QString());

    // One zlib stream (RFC 1950) at the fastest level, and back; Inflate
    // gives nothing for a damaged stream.
    static QByteArray Deflate(const QByteArray& plain);
    static std::optional<QByteArray> Inflate(const QByteArray& stream);

    static constexpr const char* BaseName = "PreviewMetafile";
    static constexpr const char* CompressedSuffix = ".CPR";
    static constexpr const char* FolderPrefix = "evelm-preview-";

private:
    bool compress_;
    std::unique_ptr<QTemporaryDir> dir_;
    // The pages whose files could not be written.
    std::map<int, QByteArray> held_;
};
