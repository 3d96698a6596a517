#include "companion/DesktopEntry.h"

#include "config/ConfigurationStoreRead.h"

namespace tundle {

namespace {

constexpr qint64 maximumEntryBytes = 1048576;

// The escapes of a string value: \s, \n, \t, \r and \\.
QString unescaped(QStringView value) {
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            result.append(value[i]);
            continue;
        }
        switch (value[++i].unicode()) {
            case 's':
                result.append(u' ');
                break;
            case 'n':
                result.append(u'\n');
                break;
            case 't':
                result.append(u'\t');
                break;
            case 'r':
                result.append(u'\r');
                break;
            default:
                result.append(value[i]);
        }
    }
    return result;
}

// One word without its field codes; "%%" stands for a single "%".
QString withoutFieldCodes(const QString& word) {
    QString result;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word[i] != u'%') {
            result.append(word[i]);
        } else if (i + 1 < word.size() && word[++i] == u'%') {
            result.append(u'%');
        }
    }
    return result;
}

// How well a Name key fits the zh_CN messages locale, lower is better: a key with a country
// must match it exactly, a key with a modifier never fits since the locale has none.
std::optional<int> nameRank(const QString& key) {
    if (key == QStringLiteral("Name")) {
        return 2;
    }
    if (key == QStringLiteral("Name[zh_CN]")) {
        return 0;
    }
    if (key == QStringLiteral("Name[zh]")) {
        return 1;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QStringList> DesktopEntry::commandWords(const QString& exec) {
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size() &&
                       QStringView(u"\"`$\\").contains(exec[i + 1])) {
                word.append(exec[++i]);
            } else {
                word.append(c);
            }
        } else if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inWord) {
                words.append(word);
                word.clear();
                inWord = false;
            }
        } else if (c == u'"') {
            quoted = true;
            inWord = true;
        } else {
            word.append(c);
            inWord = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inWord) {
        words.append(word);
    }
    return words;
}

DesktopEntry DesktopEntry::parse(const QByteArray& text) {
    DesktopEntry entry;
    bool inGroup = false;
    int bestNameRank = 3;
    for (const QString& line : QString::fromUtf8(text).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            inGroup = trimmed == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        if (!inGroup || trimmed.startsWith(u'#') || equals < 0) {
            continue;
        }
        const QString key = trimmed.left(equals).trimmed();
        const QString value = unescaped(QStringView(trimmed).mid(equals + 1).trimmed());
        if (key == QStringLiteral("Exec")) {
            QStringList words;
            for (const QString& word : commandWords(value).value_or(QStringList())) {
                // A word made only of field codes stood for files we do not pass.
                if (QString bare = withoutFieldCodes(word); !bare.isEmpty() || word.isEmpty()) {
                    words.append(bare);
                }
            }
            entry.program = words.isEmpty() ? QString() : words.takeFirst();
            entry.arguments = words;
        } else if (key == QStringLiteral("Path")) {
            entry.workingDirectory = value;
        } else if (key == QStringLiteral("Icon")) {
            entry.icon = value;
        } else if (const auto rank = nameRank(key); rank && *rank < bestNameRank) {
            bestNameRank = *rank;
            entry.name = value;
        }
    }
    return entry;
}

DesktopEntry DesktopEntry::read(const QString& path) {
    return parse(ConfigurationStoreRead::read(path, maximumEntryBytes));
}

}  // namespace tundle
