// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// desktop-lines DESKTOP_TEMPLATE DESKTOP METAINFO_TEMPLATE METAINFO valtora_<code>.qm...
// Writes the desktop entry and the AppStream metadata from their English templates: after each
// line whose text is one of desktop-texts.h's, the same line in each language whose translation
// has that text, in the language's code (pt_BR); the desktop entry repeats Bokmål's as `no`.
// %n becomes the number of languages the program speaks: English and one per translation.
// Build tool only; the translations should hold finished texts alone (lrelease -nounfinished).

#include "desktop-texts.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

struct Language {
    QString code;
    std::shared_ptr<QTranslator> translation;
};

// How a kind of file writes a line that holds a text, and the same line in a language.
struct Format {
    // Captures the key (the entry's key, the element's tag) and the text, as written.
    QRegularExpression line;
    // Follows the key in a language's line, with the language's code for %1.
    QString languageMark;
    QString (*escaped)(QString);
    QString (*unescaped)(const QString&);
    // The code Bokmål's lines are written under again, if any.
    QString bokmalCopy;
};

QString DesktopEscaped(QString text) {
    return text.replace(u'\\', QLatin1String("\\\\"))
        .replace(u'\n', QLatin1String("\\n"))
        .replace(u'\t', QLatin1String("\\t"))
        .replace(u'\r', QLatin1String("\\r"));
}

QString DesktopUnescaped(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const QChar code = text[++i];
        plain += code == u's'   ? QChar(u' ')
                 : code == u'n' ? QChar(u'\n')
                 : code == u't' ? QChar(u'\t')
                 : code == u'r' ? QChar(u'\r')
                                : code;
    }
    return plain;
}

QString XmlEscaped(QString text) {
    return text.toHtmlEscaped();
}

QString XmlUnescaped(const QString& text) {
    return QString(text)
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// The text with %n filled in with the number of languages.
QString Counted(QString text, int languages) {
    return text.replace(QLatin1String("%n"), QString::number(languages));
}

// The template's lines, each line that holds a text followed by the text's lines in the
// languages; adds the texts it finds to `found`.
QStringList Translated(const QStringList& lines, const Format& format,
                       const std::vector<Language>& languages, QSet<QString>& found) {
    const int count = int(languages.size()) + 1;
    QStringList written;
    for (const QString& line : lines) {
        written << line;
        const QRegularExpressionMatch match = format.line.match(line);
        const QString text = format.unescaped(match.captured(u"text"));
        if (!match.hasMatch() ||
            std::find(kDesktopTexts.cbegin(), kDesktopTexts.cend(), text) == kDesktopTexts.cend())
            continue;
        found << text;
        const QString key = line.left(match.capturedEnd(u"key"));
        const QString between = line.mid(match.capturedEnd(u"key"),
                                         match.capturedStart(u"text") - match.capturedEnd(u"key"));
        const QString after = line.mid(match.capturedEnd(u"text"));
        written.last() = key + between + Counted(match.captured(u"text"), count) + after;

        const QByteArray source = text.toUtf8();
        const int plural = text.contains(QLatin1String("%n")) ? count : -1;
        for (const Language& language : languages) {
            const QString shown = language.translation->translate(
                kDesktopContext, source.constData(), nullptr, plural);
            if (shown.isEmpty())
                continue;
            const QString rest = between + format.escaped(Counted(shown, count)) + after;
            written << key + format.languageMark.arg(language.code) + rest;
            if (language.code == QLatin1String("nb") && !format.bokmalCopy.isEmpty())
                written << key + format.languageMark.arg(format.bokmalCopy) + rest;
        }
    }
    return written;
}

std::optional<QStringList> Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "desktop-lines: %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return std::nullopt;
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool Written(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    const QByteArray text = (lines.join(u'\n') + u'\n').toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    std::fprintf(stderr, "desktop-lines: %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: desktop-lines DESKTOP_TEMPLATE DESKTOP METAINFO_TEMPLATE "
                             "METAINFO [valtora_<code>.qm...]\n");
        return 2;
    }
    std::vector<Language> languages;
    for (int i = 5; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const QString name = QFileInfo(path).completeBaseName();
        Language language{name.mid(name.indexOf(u'_') + 1), std::make_shared<QTranslator>()};
        if (!name.startsWith(QLatin1String("valtora_")) || !language.translation->load(path)) {
            std::fprintf(stderr, "desktop-lines: %s is no translation valtora_<code>.qm\n",
                         qPrintable(path));
            return 1;
        }
        languages.push_back(language);
    }
    std::sort(languages.begin(), languages.end(),
              [](const Language& a, const Language& b) { return a.code < b.code; });

    const Format desktop{QRegularExpression(QStringLiteral("^(?<key>[A-Za-z0-9-]+)=(?<text>.*)$")),
                         QStringLiteral("[%1]"), DesktopEscaped, DesktopUnescaped,
                         QStringLiteral("no")};
    const Format metainfo{
        QRegularExpression(QStringLiteral(R"(^\s*<(?<key>\w+)>(?<text>[^<]*)</\k<key>>\s*$)")),
        QStringLiteral(" xml:lang=\"%1\""), XmlEscaped, XmlUnescaped, QString()};
    const std::optional<QStringList> desktopTemplate = Lines(QString::fromLocal8Bit(argv[1]));
    const std::optional<QStringList> metainfoTemplate = Lines(QString::fromLocal8Bit(argv[3]));
    if (!desktopTemplate || !metainfoTemplate)
        return 1;
    QSet<QString> found;
    const QStringList desktopLines = Translated(*desktopTemplate, desktop, languages, found);
    const QStringList metainfoLines = Translated(*metainfoTemplate, metainfo, languages, found);
    // A text the templates no longer hold word for word would lose its translations unseen.
    bool complete = true;
    for (const char* text : kDesktopTexts) {
        if (!found.contains(QString::fromUtf8(text))) {
            std::fprintf(stderr, "desktop-lines: no template line holds \"%s\"\n", text);
            complete = false;
        }
    }
    return complete && Written(QString::fromLocal8Bit(argv[2]), desktopLines) &&
                   Written(QString::fromLocal8Bit(argv[4]), metainfoLines)
               ? 0
               : 1;
}
