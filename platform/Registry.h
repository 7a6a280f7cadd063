#pragma once
// Typed key/value settings under two roots, kept in files below the XDG
// configuration folders: each key is a folder, its values one text file.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>

enum THKey { HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE };
enum TRegDataType { rdUnknown, rdString, rdInteger, rdBinary };

class ERegistryException : public std::runtime_error {
public:
    explicit ERegistryException(const QString& msg) : std::runtime_error(msg.toStdString()) {}
};

class TRegistry {
public:
    TRegistry() = default;
    explicit TRegistry(THKey root) : m_root(root) {}

    // Folders of the two roots: $XDG_CONFIG_HOME (or ~/.config) for the
    // current user, the first of $XDG_CONFIG_DIRS (or /etc/xdg) for the
    // machine, each followed by EVelmorande/registry/<root name>; a test
    // moves both into the environment's RegistryFolder (Environment.h).
    static QString StorageRoot(THKey root);

    THKey RootKey() const { return m_root; }
    void SetRootKey(THKey root);

    // key: "\A\B" from the root, "A\B" below the open key (or the root).
    // Returns false when the key is missing (and not created) or cannot be made.
    bool OpenKey(const QString& key, bool canCreate);
    bool OpenKeyReadOnly(const QString& key);
    bool KeyExists(const QString& key) const;
    void CloseKey();
    bool HasCurrentKey() const { return m_open; }
    QString CurrentPath() const { return m_path.join('\\'); }

    bool ValueExists(const QString& name) const;
    TRegDataType GetDataType(const QString& name) const;
    QStringList GetValueNames() const;

    // A missing string reads as empty; other missing values, damaged values
    // and values of another type raise ERegistryException.
    QString ReadString(const QString& name) const;
    int ReadInteger(const QString& name) const;
    bool ReadBool(const QString& name) const { return ReadInteger(name) != 0; }
    double ReadFloat(const QString& name) const;
    QByteArray ReadBinaryData(const QString& name) const;
    // Copies at most bufSize bytes; a larger value raises "Failed to get data".
    int ReadBinaryData(const QString& name, void* buffer, int bufSize) const;

    void WriteString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, int value);
    void WriteBool(const QString& name, bool value) { WriteInteger(name, value ? 1 : 0); }
    void WriteFloat(const QString& name, double value);
    void WriteBinaryData(const QString& name, const QByteArray& value);
    bool DeleteValue(const QString& name);

private:
    struct Value {
        QString Name;
        TRegDataType Type = rdUnknown;
        // string: UTF-8; integer: 4 bytes little-endian; binary: raw; a
        // damaged value (rdUnknown): its type and data as the file holds them
        QByteArray Data;
    };
    QList<Value> Load() const;
    void Save(const QList<Value>& values, const QString& name);
    const Value* Find(const QList<Value>& values, const QString& name) const;
    // The data of a value of the type; a missing value fails to get, one of
    // another type is of an invalid type.
    QByteArray ReadTyped(const QString& name, TRegDataType type) const;
    QStringList Resolve(const QString& key) const;
    QString FolderOf(const QStringList& path, bool create, bool* ok) const;
    void Write(const QString& name, TRegDataType type, const QByteArray& data);

    THKey m_root = HKEY_CURRENT_USER;
    bool m_open = false;
    bool m_readOnly = false;
    QStringList m_path;
    QString m_folder;
};
