// What the screenshot programs share. They run under Xvfb with Qt's X11
// platform and write their PNGs into the folder named on the command line.
#pragma once

#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace Shots {

inline QString& Folder() {
    static QString folder;
    return folder;
}

// The first argument, else the current folder; made when missing.
inline void SetFolder(int argc, char** argv) {
    Folder() = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(Folder());
}

// What the display shows in the widget's area now, its frame left out.
inline QPixmap Grab(QWidget* w) {
    const QRect area(w->mapToGlobal(QPoint(0, 0)), w->size());
    return w->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

inline void Save(const QPixmap& shot, const QString& name) {
    const QString file = QDir(Folder()).filePath(name);
    shot.save(file);
    qInfo("%s: %dx%d", qPrintable(file), shot.width(), shot.height());
}

inline void Save(QWidget* w, const QString& name) {
    Save(Grab(w), name);
}

// One step after another from the message loop, each giving the display a
// moment to draw.
inline void Then(int ms, std::function<void()> step) {
    QTimer::singleShot(ms, std::move(step));
}

} // namespace Shots
