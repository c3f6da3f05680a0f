#include "platform/Translations.h"

#include "game/Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

QString& Current() {
    static QString language;
    return language;
}

// The translators installed by the last call, removed by the next one.
QList<QPointer<QTranslator>>& Installed() {
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

void InstallTranslator(const QString& AFile, const QStringList& AFolders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : AFolders) {
        if (translator->load(AFile, folder)) {
            QCoreApplication::installTranslator(translator);
            Installed().append(translator);
            return;
        }
    }
    delete translator;
}

} // namespace

QStringList ShippedLanguages() {
    // The build embeds one translation per language (TOLMIR_LANGUAGES in CMake).
    QStringList languages =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("tolmir_*.qm")}, QDir::Files);
    for (QString& language : languages) {
        language = language.mid(7).chopped(3); // "tolmir_pt_BR.qm" -> "pt_BR"
    }
    return languages;
}

QString ChooseLanguage(const QLocale& ALocale) {
    const QStringList shipped = ShippedLanguages();
    for (QString wanted : ALocale.uiLanguages()) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = wanted.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C")) {
            return {};
        }
        // "pt_BR" is shipped; other Portuguese is closer to it than to English.
        if (shipped.contains(wanted)) {
            return wanted;
        }
        for (const QString& candidate : shipped) {
            if (candidate.section(QLatin1Char('_'), 0, 0) == language) {
                return candidate;
            }
        }
    }
    return {};
}

void InstallLanguage(const QString& ALanguage) {
    for (const QPointer<QTranslator>& translator : std::as_const(Installed())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    Installed().clear();
    Current() = ALanguage;
    if (ALanguage.isEmpty()) {
        SetTextCatalog({});
        SetDecimalSeparator(".");
        return;
    }
    // Debian keeps Qt's translations in Qt's folder; the Windows installer puts
    // them in "translations" beside the program.
    InstallTranslator(
        QStringLiteral("qtbase_") + ALanguage,
        {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
         QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))});
    InstallTranslator(QStringLiteral("tolmir_") + ALanguage, {QStringLiteral(":/i18n")});
    SetTextCatalog([](const char* AContext, const char* ASource, const char* ADisambiguation,
                      int AN) {
        return QCoreApplication::translate(AContext, ASource, ADisambiguation, AN).toStdString();
    });
    SetDecimalSeparator(QLocale(ALanguage).decimalPoint().toStdString());
}

QString CurrentLanguage() {
    return Current();
}
