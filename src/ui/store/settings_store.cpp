#include "ui/store/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "model/echo_text.h"

namespace {

// Far more than any player keeps; a larger file is not ours, or not whole.
constexpr qint64 kMaxBytes = 1 << 20;

std::string Quoted(const QString& strPath) {
    return EchoText(strPath.toStdString(), 200);
}

// Why bytes are not a whole settings file, or "". bParse is false when nothing in them can be
// trusted as an entry at all.
std::string CheckText(const QByteArray& bytes, bool& bParse) {
    bParse = true;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString strText = decoder.decode(bytes);
    if (bytes.contains('\0') || decoder.hasError()) {
        bParse = false;
        return "not a settings file (not text)";
    }
    const QStringList listLines = strText.split('\n');
    for (qsizetype i = 0; i < listLines.size(); ++i) {
        const QString strLine = listLines[i].trimmed();
        if (strLine.isEmpty() || strLine.startsWith(';') || strLine.startsWith('#') ||
            (strLine.startsWith('[') && strLine.endsWith(']')) || strLine.contains('='))
            continue;
        return "line " + std::to_string(i + 1) + " is no entry (" + QuoteForMessage(strLine) + ")";
    }
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        return "cut short (its last line has no end, so it is not read)";
    return "";
}

// QSettings is the one reader and writer of the format; it works here on a private copy, so
// that what is read is exactly what was checked and a write can be put in place whole.
bool ParseIni(const QByteArray& bytes, QVariantMap& mapValues) {
    const QTemporaryDir dir;
    if (!dir.isValid()) return false;
    const QString strFile = dir.filePath("read.ini");
    QFile file(strFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    file.close();
    const QSettings settings(strFile, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return false;
    for (const QString& strKey : settings.allKeys()) mapValues[strKey] = settings.value(strKey);
    return true;
}

bool FormatIni(const QVariantMap& mapValues, QByteArray& bytes) {
    const QTemporaryDir dir;
    if (!dir.isValid()) return false;
    const QString strFile = dir.filePath("write.ini");
    {
        QSettings settings(strFile, QSettings::IniFormat);
        for (auto it = mapValues.begin(); it != mapValues.end(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        if (settings.status() != QSettings::NoError) return false;
    }
    QFile file(strFile);
    if (mapValues.isEmpty() && !file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) return false;
    bytes = file.readAll();
    return true;
}

}  // namespace

std::string QuoteForMessage(const QString& strText) {
    return EchoText(strText.toStdString());
}

CSettingsStore::CSettingsStore(QString strPath) : m_strPath(std::move(strPath)) {}

std::string CSettingsStore::GetPathForMessage() const {
    return Quoted(m_strPath);
}

QString CSettingsStore::DefaultPath() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "handfall", "handfall").fileName();
}

CSettingsRead CSettingsStore::Read() const {
    CSettingsRead read;
    auto problem = [&](const std::string& strWhy) {
        read.bWhole = false;
        read.vecProblems.push_back(Quoted(m_strPath) + ": " + strWhy);
        return read;
    };
    const QFileInfo info(m_strPath);
    if (!info.exists() && !info.isSymLink()) return read;  // nothing kept yet
    // A FIFO or a device would block or never end; only a plain file is opened.
    if (!info.isFile()) return problem("not a regular file; settings are neither read nor kept");
    QFile file(m_strPath);
    if (!file.open(QIODevice::ReadOnly))
        return problem("cannot be read (" + file.errorString().toStdString() +
                       "); settings are not kept");
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes) return problem("larger than 1 MiB; not read");
    bool bParse = true;
    const std::string strWhy = CheckText(bytes, bParse);
    if (!strWhy.empty()) problem(strWhy + (bParse ? "; what could be read is used" : "; not read"));
    // A last line with no end may be cut inside its value: only whole lines are trusted.
    const QByteArray whole = bytes.left(bytes.lastIndexOf('\n') + 1);
    if (bParse && !ParseIni(whole, read.mapValues)) problem("not a settings file; not read");
    return read;
}

QVariant CSettingsStore::Value(const QString& strKey, const QVariant& defaultValue) const {
    return Read().mapValues.value(strKey, defaultValue);
}

QString CSettingsStore::CopyAsidePath() const {
    const QString strBase = m_strPath + ".bad";
    QString strPath = strBase;
    for (int n = 1; QFileInfo::exists(strPath) || QFileInfo(strPath).isSymLink(); ++n)
        strPath = strBase + "." + QString::number(n);
    return strPath;
}

std::string CSettingsStore::Write(const std::function<bool(const QString&)>& isOwned,
                                  const QVariantMap& mapNew, bool bCopyFirst) const {
    const QFileInfo info(m_strPath);
    const bool bThere = info.exists() || info.isSymLink();
    if (bThere && !info.isFile()) return "not a regular file; nothing is kept";
    const CSettingsRead now = Read();
    if (bThere && (!now.bWhole || bCopyFirst)) {
        const QString strAside = CopyAsidePath();
        if (!QFile::copy(m_strPath, strAside))
            return "could not be copied aside to " + Quoted(strAside) + ", so it is left as it is";
    }
    QVariantMap mapValues;
    for (auto it = now.mapValues.begin(); it != now.mapValues.end(); ++it)
        if (!isOwned(it.key())) mapValues.insert(it.key(), it.value());
    for (auto it = mapNew.begin(); it != mapNew.end(); ++it) mapValues.insert(it.key(), it.value());
    QByteArray bytes;
    if (!FormatIni(mapValues, bytes)) return "the settings could not be put in writing";
    QDir().mkpath(info.absolutePath());
    // Written beside it and renamed over it: a kill at any moment leaves one whole file.
    QSaveFile file(m_strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return "cannot be written (" + file.errorString().toStdString() + ")";
    return "";
}

std::string CSettingsStore::SetValues(const QVariantMap& mapNew) const {
    return Write([&mapNew](const QString& strKey) { return mapNew.contains(strKey); }, mapNew);
}
