#include "translation.h"

#include "review/review_texts.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace {

std::string TranslatedReviewText(const char* text)
{
    return QCoreApplication::translate("Review", text).toStdString();
}

} // namespace

bool InstallTranslation(const QLocale& locale)
{
    // One translation at a time: a second call replaces the first, as a test of two languages
    // needs.
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    SetReviewTranslation(TranslatedReviewText);
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, "velmora", "_", ":/i18n"))
        return false;
    installed = translator.release();
    QCoreApplication::installTranslator(installed);
    return true;
}
