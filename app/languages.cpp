#include "app/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <memory>
#include <utility>

namespace {

QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

QStringList programFolders()
{
    // Relative to the program, so that an installation works wherever its
    // prefix is; the built-in copy serves the build tree and the tests.
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/" ROMAN_TRANSLATIONS_DIR),
        QStringLiteral(":/translations")};
}

void install(const QLocale &language, const QString &name, const QStringList &folders)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString &folder : folders) {
        if (!translator->load(language, name, QStringLiteral("_"), folder))
            continue;
        // English as the person's language finds the English file again.
        for (const QTranslator *earlier : std::as_const(installed())) {
            if (earlier && earlier->filePath() == translator->filePath())
                return;
        }
        // Owned by the application, so that it goes before Qt does.
        translator->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(translator.get());
        installed().append(translator.release());
        return;
    }
}

} // namespace

void installTranslations(const QLocale &language)
{
    // Deleting a translator also removes it from the application.
    for (const QPointer<QTranslator> &translator : std::exchange(installed(), {}))
        delete translator.data();
    const QString program = QStringLiteral("roman-calculator");
    install(QLocale(QLocale::English), program, programFolders());
    install(language, program, programFolders());
    install(
        language, QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}
