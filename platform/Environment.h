#pragma once
// The environment: everything the program asks of the machine and the
// desktop that a test must be able to answer instead.
//
//   what                        the program calls
//   message boxes               MessageDlg                      Dialogs.h
//   modal shows                 ShowModal                       Dialogs.h
//   save, font, print and       ExecuteSaveDialog, ...Font...,  Dialogs.h
//     page set-up dialogs         ...Print..., ...PageSetup...
//   opening a web address       ShellOpen                       Shell.h
//   the desktop wallpaper       ReloadDesktopWallpaper          Shell.h
//   the primary screen          PrimaryScreenMetrics            Shell.h
//   the folder of the registry  TRegistry                       Registry.h
//   today's date                Today                           here
//   the program's folder        ProgramFolder                   here
//   the user's data folder      UserDataFolder                  here
//   the millisecond tick        TickCount                       here
//
// A test fills the members it scripts in a TEnvironment and puts it in force
// with a TEnvironmentScope; scopes nest, and for each member the innermost
// scope that sets it answers. A member no scope sets is the real thing.
// TScriptedDialogs (ScriptedDialogs.h) scripts the dialog members;
// TTestEnvironment (TestEnvironment.h) scripts all of them at once.
// Only the main thread uses it.
#include <QDate>
#include <QString>
#include <functional>

class QFont;
class QPrinter;
class QWidget;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };

// Button set, combined with |.
enum TMsgDlgBtn { mbYes = 0x1, mbNo = 0x2, mbOK = 0x4, mbCancel = 0x8 };
using TMsgDlgButtons = int;

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// What a save dialog is asked; the answer is the chosen file name.
struct TSaveDialogRequest {
    QString Title;
    QString Filter;      // "JPEG Image (*.JPG)|*.JPG", pairs separated by '|'
    int FilterIndex = 1; // 1-based
    QString DefaultExt;
    QString FileName; // initial name
    // Where the dialog starts; filled by ExecuteSaveDialog when empty.
    QString Directory;
};

// What the screen check looks at: the primary screen in device pixels and
// the pixels per logical inch that the user set, font DPI and scale together.
struct TScreenMetrics {
    int Width = 800;
    int Height = 600;
    int LogPixelsX = 96;
    // Device pixels per pixel of a window's own sizes: the part of the
    // user's setting that Qt applies to every size by itself.
    double Scale = 1.0;
};

struct TEnvironment {
    std::function<int(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons)> MessageDlg;
    // A dialog answers from its result; another window ends the modal show by
    // closing or hiding itself, with its result in the property "ModalResult".
    std::function<int(QWidget* window)> ShowModal;
    // True when confirmed; fileName receives the chosen name.
    std::function<bool(QWidget* parent, const TSaveDialogRequest& request, QString& fileName)>
        SaveDialog;
    // font is the dialog's font in and out; after Cancel it keeps its value.
    std::function<bool(QWidget* parent, QFont& font)> FontDialog;
    std::function<bool(QWidget* parent, QPrinter* printer)> PrintDialog;
    std::function<bool(QWidget* parent, QPrinter* printer)> PageSetupDialog;

    std::function<bool(const QString& target)> ShellOpen;
    // The bitmap to show and the style (0 tiled, 1 centred, 2 stretched).
    // True when the desktop took the wallpaper.
    std::function<bool(const QString& bitmapFile, int style)> ReloadWallpaper;
    std::function<TScreenMetrics()> ScreenMetrics;

    // The folder that holds the folders of both registry roots.
    std::function<QString()> RegistryFolder;
    std::function<QDate()> Today;
    // With its trailing separator.
    std::function<QString()> ProgramFolder;
    // With its trailing separator.
    std::function<QString()> DataFolder;
    std::function<quint32()> TickCount;
};

class TEnvironmentScope {
public:
    // env must outlive the scope; changes to it take effect at once.
    explicit TEnvironmentScope(const TEnvironment& env);
    ~TEnvironmentScope();
    TEnvironmentScope(const TEnvironmentScope&) = delete;
    TEnvironmentScope& operator=(const TEnvironmentScope&) = delete;

    // The innermost scope that sets the member, or nullptr for the real thing.
    template <class F> static const F* Scripted(F TEnvironment::*member) {
        for (const TEnvironmentScope* s = innermost_; s; s = s->outer_)
            if (s->env_.*member)
                return &(s->env_.*member);
        return nullptr;
    }

private:
    const TEnvironment& env_;
    TEnvironmentScope* outer_;
    static TEnvironmentScope* innermost_;
};

// Today's date as the calendar and the day computation see it.
QDate Today();
// Folder of the program file with its trailing separator.
QString ProgramFolder();
// The user's own writable folder of the program, with its trailing separator;
// it may not exist yet.
QString UserDataFolder();
// The system tick counter in milliseconds; it wraps like a 32-bit counter.
quint32 TickCount();
