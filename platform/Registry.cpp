#include "Registry.h"

#include "Environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <cstdint>
#include <cstring>

namespace {

const char* const kValuesFile = ".values";

QString RootName(THKey root) {
    return root == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

QString FailedToGet(const QString& name) {
    return QString("Failed to get data for '%1'").arg(name);
}
QString InvalidType(const QString& name) {
    return QString("Invalid data type for '%1'").arg(name);
}
QString FailedToSet(const QString& name) {
    return QString("Failed to set data for '%1'").arg(name);
}

// A key name as a folder name: no '/', no hidden or dot names.
QString EncodeComponent(const QString& c) {
    QString s = c;
    s.replace('%', "%25").replace('/', "%2F");
    if (s.startsWith('.'))
        s = "%2E" + s.mid(1);
    return s;
}

QByteArray Escape(const QByteArray& in) {
    QByteArray out;
    for (char ch : in) {
        switch (ch) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

QByteArray Unescape(const QByteArray& in) {
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '\\' && i + 1 < in.size()) {
            const char n = in[++i];
            out += n == 't' ? '\t' : n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += in[i];
        }
    }
    return out;
}

} // namespace

QString TRegistry::StorageRoot(THKey root) {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::RegistryFolder))
        return QDir((*f)()).filePath(RootName(root));
    QString base;
    if (root == HKEY_CURRENT_USER) {
        base = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (base.isEmpty() || !QDir::isAbsolutePath(base))
            base = QDir::homePath() + "/.config";
    } else {
        const QStringList dirs =
            qEnvironmentVariable("XDG_CONFIG_DIRS").split(':', Qt::SkipEmptyParts);
        base = "/etc/xdg";
        for (const QString& d : dirs) {
            if (!QDir::isAbsolutePath(d))
                continue;
            if (QFileInfo::exists(d + "/EVelmorande/registry")) {
                base = d;
                break;
            }
            if (base == "/etc/xdg")
                base = d;
        }
    }
    return base + "/EVelmorande/registry/" + RootName(root);
}

void TRegistry::SetRootKey(THKey root) {
    CloseKey();
    m_root = root;
}

QStringList TRegistry::Resolve(const QString& key) const {
    QStringList path = key.startsWith('\\') || !m_open ? QStringList() : m_path;
    for (const QString& c : key.split('\\', Qt::SkipEmptyParts))
        path << c;
    return path;
}

QString TRegistry::FolderOf(const QStringList& path, bool create, bool* ok) const {
    *ok = false;
    QString folder = StorageRoot(m_root);
    if (!QFileInfo(folder).isDir()) {
        if (!create || !QDir().mkpath(folder))
            return {};
    }
    for (const QString& c : path) {
        const QString enc = EncodeComponent(c);
        QDir dir(folder);
        QString found;
        for (const QString& e : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
            if (e.compare(enc, Qt::CaseInsensitive) == 0) {
                found = e;
                break;
            }
        }
        if (found.isEmpty()) {
            if (!create || !dir.mkdir(enc))
                return {};
            found = enc;
        }
        folder = dir.filePath(found);
    }
    *ok = true;
    return folder;
}

bool TRegistry::OpenKey(const QString& key, bool canCreate) {
    const QStringList path = Resolve(key);
    bool ok = false;
    const QString folder = FolderOf(path, canCreate, &ok);
    if (!ok)
        return false;
    m_open = true;
    m_readOnly = false;
    m_path = path;
    m_folder = folder;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const QString& key) {
    if (!OpenKey(key, false))
        return false;
    m_readOnly = true;
    return true;
}

bool TRegistry::KeyExists(const QString& key) const {
    bool ok = false;
    FolderOf(Resolve(key), false, &ok);
    return ok;
}

void TRegistry::CloseKey() {
    m_open = false;
    m_readOnly = false;
    m_path.clear();
    m_folder.clear();
}

QList<TRegistry::Value> TRegistry::Load() const {
    QList<Value> values;
    if (!m_open)
        return values;
    QFile f(QDir(m_folder).filePath(kValuesFile));
    if (!f.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split('\t');
        if (parts.size() != 3)
            continue;
        Value v;
        v.Name = QString::fromUtf8(Unescape(parts[0]));
        bool ok = false;
        const qint64 n = parts[1] == "dword" ? parts[2].toLongLong(&ok) : 0;
        if (parts[1] == "sz") {
            v.Type = rdString;
            v.Data = Unescape(parts[2]);
        } else if (ok && n >= INT32_MIN && n <= qint64(UINT32_MAX)) {
            // Signed or unsigned 32 bits; anything wider is damage, not a value.
            v.Type = rdInteger;
            v.Data.resize(4);
            qToLittleEndian<qint32>(qint32(n), v.Data.data());
        } else if (parts[1] == "binary") {
            v.Type = rdBinary;
            v.Data = QByteArray::fromHex(parts[2]);
        } else {
            // A damaged value is there but cannot be read; it is kept as it
            // stands when other values are written.
            v.Type = rdUnknown;
            v.Data = parts[1] + '\t' + parts[2];
        }
        values.append(v);
    }
    return values;
}

void TRegistry::Save(const QList<Value>& values, const QString& name) {
    QByteArray out;
    for (const Value& v : values) {
        out += Escape(v.Name.toUtf8()) + '\t';
        if (v.Type == rdString)
            out += "sz\t" + Escape(v.Data);
        else if (v.Type == rdInteger)
            out += "dword\t" + QByteArray::number(qFromLittleEndian<qint32>(v.Data.constData()));
        else if (v.Type == rdUnknown)
            out += v.Data;
        else
            out += "binary\t" + v.Data.toHex();
        out += '\n';
    }
    QSaveFile f(QDir(m_folder).filePath(kValuesFile));
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size() || !f.commit())
        throw ERegistryException(FailedToSet(name));
}

const TRegistry::Value* TRegistry::Find(const QList<Value>& values, const QString& name) const {
    for (const Value& v : values)
        if (v.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &v;
    return nullptr;
}

bool TRegistry::ValueExists(const QString& name) const {
    const QList<Value> values = Load();
    return Find(values, name) != nullptr;
}

TRegDataType TRegistry::GetDataType(const QString& name) const {
    const QList<Value> values = Load();
    const Value* v = Find(values, name);
    return v ? v->Type : rdUnknown;
}

QStringList TRegistry::GetValueNames() const {
    QStringList names;
    for (const Value& v : Load())
        names << v.Name;
    return names;
}

QString TRegistry::ReadString(const QString& name) const {
    const QList<Value> values = Load();
    const Value* v = Find(values, name);
    if (!v)
        return QString();
    if (v->Type == rdUnknown)
        throw ERegistryException(FailedToGet(name));
    if (v->Type != rdString)
        throw ERegistryException(InvalidType(name));
    return QString::fromUtf8(v->Data);
}

QByteArray TRegistry::ReadTyped(const QString& name, TRegDataType type) const {
    const QList<Value> values = Load();
    const Value* v = Find(values, name);
    if (!v || v->Type == rdUnknown)
        throw ERegistryException(FailedToGet(name));
    if (v->Type != type)
        throw ERegistryException(InvalidType(name));
    return v->Data;
}

int TRegistry::ReadInteger(const QString& name) const {
    return qFromLittleEndian<qint32>(ReadTyped(name, rdInteger).constData());
}

double TRegistry::ReadFloat(const QString& name) const {
    const QByteArray data = ReadTyped(name, rdBinary);
    if (data.size() != int(sizeof(double)))
        throw ERegistryException(InvalidType(name));
    double d = 0;
    std::memcpy(&d, data.constData(), sizeof d);
    return d;
}

QByteArray TRegistry::ReadBinaryData(const QString& name) const {
    return ReadTyped(name, rdBinary);
}

int TRegistry::ReadBinaryData(const QString& name, void* buffer, int bufSize) const {
    const QByteArray data = ReadTyped(name, rdBinary);
    if (data.size() > bufSize)
        throw ERegistryException(FailedToGet(name));
    std::memcpy(buffer, data.constData(), size_t(data.size()));
    return int(data.size());
}

void TRegistry::Write(const QString& name, TRegDataType type, const QByteArray& data) {
    if (!m_open || m_readOnly)
        throw ERegistryException(FailedToSet(name));
    QList<Value> values = Load();
    bool replaced = false;
    for (Value& v : values) {
        if (v.Name.compare(name, Qt::CaseInsensitive) == 0) {
            v.Type = type;
            v.Data = data;
            replaced = true;
        }
    }
    if (!replaced)
        values.append({name, type, data});
    Save(values, name);
}

void TRegistry::WriteString(const QString& name, const QString& value) {
    Write(name, rdString, value.toUtf8());
}

void TRegistry::WriteInteger(const QString& name, int value) {
    QByteArray d(4, '\0');
    qToLittleEndian<qint32>(value, d.data());
    Write(name, rdInteger, d);
}

void TRegistry::WriteFloat(const QString& name, double value) {
    Write(name, rdBinary, QByteArray(reinterpret_cast<const char*>(&value), sizeof value));
}

void TRegistry::WriteBinaryData(const QString& name, const QByteArray& value) {
    Write(name, rdBinary, value);
}

bool TRegistry::DeleteValue(const QString& name) {
    if (!m_open || m_readOnly)
        return false;
    QList<Value> values = Load();
    const qsizetype before = values.size();
    values.removeIf([&](const Value& v) { return v.Name.compare(name, Qt::CaseInsensitive) == 0; });
    if (values.size() == before)
        return false;
    Save(values, name);
    return true;
}
