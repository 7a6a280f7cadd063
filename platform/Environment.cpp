#include "Environment.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <chrono>

TEnvironmentScope* TEnvironmentScope::innermost_ = nullptr;

TEnvironmentScope::TEnvironmentScope(const TEnvironment& env) : env_(env), outer_(innermost_) {
    innermost_ = this;
}

TEnvironmentScope::~TEnvironmentScope() {
    // Scopes end in the reverse order of their start; an outer scope ended
    // first would leave this one pointing at a dead scope.
    Q_ASSERT(innermost_ == this);
    innermost_ = outer_;
}

QDate Today() {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::Today))
        return (*f)();
    return QDate::currentDate();
}

QString ProgramFolder() {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::ProgramFolder))
        return (*f)();
    // Before (or without) the application object Qt knows no program path.
    const QString folder = QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath()
                               : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return folder + QLatin1Char('/');
}

QString UserDataFolder() {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::DataFolder))
        return (*f)();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/EVelmorande/");
}

quint32 TickCount() {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::TickCount))
        return (*f)();
    using namespace std::chrono;
    return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
