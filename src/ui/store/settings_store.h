// The game's one settings file, $XDG_CONFIG_HOME/handfall/handfall.ini, shared by every
// feature that keeps a choice: each reads the whole file and writes back only its own keys,
// so no feature can lose another's. Nothing is cached: each read and write sees the file as it
// is now, also when another run of the game changed it meanwhile.
#pragma once

#include <QString>
#include <QVariantMap>

#include <functional>
#include <string>
#include <vector>

struct CSettingsRead {
    QVariantMap mapValues;  // every key the file has, "group/key" as QSettings names them
    // False when the file was there but could not be read whole: not a regular file,
    // unreadable, too large, not text, a line that is no entry.
    bool bWhole = true;
    std::vector<std::string> vecProblems;  // lines for standard error, each naming the file
};

class CSettingsStore {
public:
    explicit CSettingsStore(QString strPath = DefaultPath());

    static QString DefaultPath();
    const QString& GetPath() const { return m_strPath; }
    // The path escaped for a one-line message.
    std::string GetPathForMessage() const;

    CSettingsRead Read() const;
    QVariant Value(const QString& strKey, const QVariant& defaultValue = {}) const;

    // Removes every key isOwned says is the caller's, adds mapNew, keeps every other key as the
    // file has it now, and puts the result in place whole (a new file renamed over the old).
    // A file that could not be read whole, or one the caller skipped entries of
    // (bCopyFirst), is first copied aside to the first free of "<file>.bad", "<file>.bad.1",
    // ...; when that fails nothing is written. "" or why nothing was written.
    std::string Write(const std::function<bool(const QString&)>& isOwned, const QVariantMap& mapNew,
                      bool bCopyFirst = false) const;
    std::string SetValues(const QVariantMap& mapNew) const;

    // Where a damaged file goes: the first of those names that is not taken.
    QString CopyAsidePath() const;

private:
    QString m_strPath;
};

// The escaped, cut short form of a text that came from a file, to quote in a message.
std::string QuoteForMessage(const QString& strText);
