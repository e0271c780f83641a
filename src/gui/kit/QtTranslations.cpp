#include "kit/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace morvik {
namespace {

std::unique_ptr<QTranslator>& Installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

void FollowLanguageInQt(Language language)
{
    std::unique_ptr<QTranslator>& installed = Installed();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (language != Language::Czech) return;
    auto translator = std::make_unique<QTranslator>();
    // "qt_cs" gathers the translations of Qt's modules (qtbase_cs and the others); qtbase_cs alone serves too.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qt_cs"), folder) && !translator->load(QStringLiteral("qtbase_cs"), folder)) {
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
}

bool QtSpeaksCzech() { return Installed() != nullptr; }

}  // namespace morvik
