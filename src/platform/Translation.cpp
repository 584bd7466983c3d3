// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>

namespace {
const QString kEnglish = QStringLiteral("en");

// Languages that users name by another code: Norwegian by its written standard, Chinese by the
// script its region writes: Simplified on the mainland and in Singapore, Traditional in Taiwan,
// Hong Kong and Macau.
const QHash<QString, QString> kSameLanguage{
    {QStringLiteral("no"), QStringLiteral("nb")},
    {QStringLiteral("zh"), QStringLiteral("zh_CN")},
    {QStringLiteral("zh_SG"), QStringLiteral("zh_CN")},
    {QStringLiteral("zh_HK"), QStringLiteral("zh_TW")},
    {QStringLiteral("zh_MO"), QStringLiteral("zh_TW")},
};

QString ProgramTranslation(const QString& code) {
    return QStringLiteral(":/i18n/valtora_%1.qm").arg(code);
}

// The code of the translation one entry of the user's list asks for ("de_AT.UTF-8" for "de"),
// English with its region ("en_US"), or nothing where the program does not speak it.
QString TranslationFor(const QString& entry) {
    const QString locale = entry.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'-', u'_');
    const QString language = locale.section(u'_', 0, 0);
    if (language == kEnglish)
        return locale;
    for (const QString& asked : {locale, language}) {
        const QString code = kSameLanguage.value(asked, asked);
        if (!code.isEmpty() && QFile::exists(ProgramTranslation(code)))
            return code;
    }
    return {};
}
} // namespace

QStringList UserLanguages(const QProcessEnvironment& environment) {
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(variable));
        if (!locale.isEmpty())
            break;
    }
    const QString name = locale.section(u'.', 0, 0);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {};
    const QString languages = environment.value(QStringLiteral("LANGUAGE"));
    return languages.isEmpty() ? QStringList{locale} : languages.split(u':', Qt::SkipEmptyParts);
}

QString TranslateBeforeStart(const char* context, const char* text, const QStringList& languages) {
    for (const QString& entry : languages) {
        const QString code = TranslationFor(entry);
        QTranslator translator;
        if (code.isEmpty())
            continue;
        const QString translated = translator.load(ProgramTranslation(code))
                                       ? translator.translate(context, text)
                                       : QString();
        if (!translated.isEmpty())
            return translated;
        break;
    }
    return QString::fromUtf8(text);
}

Translation::Translation(const QStringList& languages) {
    for (const QString& entry : languages) {
        const QString code = TranslationFor(entry);
        if (code.isEmpty())
            continue;
        if (code != kEnglish)
            language_ = code;
        break;
    }
    if (!language_.isEmpty()) {
        if (program_.load(ProgramTranslation(language_)))
            QCoreApplication::installTranslator(&program_);
        // Qt's own texts: the answer box's context menu, the message boxes' buttons, the command
        // line's help. Where Qt ships none, the program's translation carries them.
        if (qt_.load(QStringLiteral("qtbase_") + language_,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
    }
}

Translation::~Translation() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}
