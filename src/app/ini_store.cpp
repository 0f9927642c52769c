#include "app/ini_store.h"

#include <optional>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "lang/text_decoding.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The file's lines without their line ends, and the line end it uses.
struct IniText {
    QStringList lines;
    QString eol = QStringLiteral("\n");
};

// The file's text; empty for a file that does not exist, nothing when it cannot be read.
std::optional<IniText> readText(const QString& path) {
    IniText text;
    QFile file(path);
    if (!file.exists())
        return text;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    const QString all = decodeTextFile(bytes);
    if (all.contains(QStringLiteral("\r\n")))
        text.eol = QStringLiteral("\r\n");
    text.lines = all.split(QLatin1Char('\n'));
    if (text.lines.last().isEmpty())
        text.lines.removeLast(); // the final line end
    for (QString& line : text.lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return text;
}

// The name of a section header line "[name]"; nothing for any other line.
std::optional<QString> sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const int end = t.indexOf(QLatin1Char(']'));
    return (end < 0 ? t.mid(1) : t.mid(1, end - 1)).trimmed();
}

// The key of a "key=value" line; nothing for comments and lines without "=".
std::optional<QString> keyName(const QString& line) {
    const QString t = line.trimmed();
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq < 0 || t.startsWith(QLatin1Char(';')))
        return std::nullopt;
    return t.left(eq).trimmed();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key stands: the line of its section header (-1: no such section), the line of the
// key (-1: not in the section), and the line after the section's last non-blank line.
struct Place {
    qsizetype section = -1;
    qsizetype key = -1;
    qsizetype sectionEnd = -1;
};

Place find(const QStringList& lines, const QString& section, const QString& key) {
    Place p;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (p.section >= 0)
                break; // the first section of that name is the one used
            if (sameName(*name, section))
                p.section = p.sectionEnd = i;
            continue;
        }
        if (p.section < 0)
            continue;
        if (!lines[i].trimmed().isEmpty())
            p.sectionEnd = i;
        if (p.key < 0) {
            const auto name = keyName(lines[i]);
            if (name && sameName(*name, key))
                p.key = i;
        }
    }
    if (p.section >= 0)
        ++p.sectionEnd;
    return p;
}

// At most n characters, never ending in the first half of a surrogate pair.
QString cut(const QString& text, int n) {
    if (n <= 0)
        return QString();
    QString out = text.left(n);
    if (out.size() < text.size() && out.back().isHighSurrogate())
        out.chop(1);
    return out;
}

// Replaces the file by text through a temporary file in the same folder and a rename.
bool replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
#endif
    if (!file.commit())
        return false;
#ifdef Q_OS_UNIX
    // Make the rename itself durable.
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
    return true;
}

bool validName(const QString& name) {
    static const QString forbidden = QStringLiteral("[]=;\r\n");
    if (name.trimmed().isEmpty() || name != name.trimmed())
        return false;
    for (QChar c : forbidden)
        if (name.contains(c))
            return false;
    return true;
}

} // namespace

QString readini(const QString& file, const QString& section, const QString& key, int length) {
    const auto text = readText(file);
    if (!text)
        return QString();
    const Place p = find(text->lines, section, key);
    if (p.key < 0)
        return QString();
    const QString& line = text->lines[p.key];
    const QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    return cut(value, length - 1);
}

bool writeini(const QString& file, const QString& section, const QString& key,
              const QString& value) {
    if (!validName(section) || !validName(key))
        return false;
    auto text = readText(file);
    if (!text)
        return false; // never replace a file that could not be read
    QString clean = value;
    clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));

    QStringList& lines = text->lines;
    const Place p = find(lines, section, key);
    if (p.key >= 0) {
        const QString& old = lines[p.key];
        lines[p.key] = old.left(old.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + clean;
    } else if (p.section >= 0) {
        lines.insert(p.sectionEnd, key + QLatin1Char('=') + clean);
    } else {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << key + QLatin1Char('=') + clean;
    }
    return replaceFile(file, (lines.join(text->eol) + text->eol).toUtf8());
}
