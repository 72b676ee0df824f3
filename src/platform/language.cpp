#include "platform/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QTranslator>

#include <memory>
#include <vector>

namespace vn::ui {
namespace {

struct LanguageSwitch {
    int active = kEnglish;
    std::vector<std::unique_ptr<QTranslator>> installed;
};

LanguageSwitch& Switch() {
    static LanguageSwitch state;
    return state;
}

}  // namespace

int ActiveLanguage() { return Switch().active; }

bool IsEnglish() { return Switch().active == kEnglish; }

QString LanguageSuffix(int language) {
    switch (language) {
        case 2:
            return QStringLiteral("zh_TW");
        case 3:
            return QStringLiteral("zh_CN");
        case 4:
            return QStringLiteral("ja");
        case 5:
            return QStringLiteral("ko");
        default:
            return {};
    }
}

QString LanguageName(int language) {
    switch (language) {
        case kEnglish:
            return QStringLiteral("English");
        case 2:
            return QString::fromUtf8("繁體中文");
        case 3:
            return QString::fromUtf8("简体中文");
        case 4:
            return QString::fromUtf8("日本語");
        case 5:
            return QString::fromUtf8("한국어");
        default:
            return {};
    }
}

int LanguageOfLocale(const QLocale& locale) {
    switch (locale.language()) {
        case QLocale::Chinese: {
            const QLocale::Territory territory = locale.territory();
            const bool traditional = locale.script() == QLocale::TraditionalChineseScript ||
                                     territory == QLocale::Taiwan || territory == QLocale::HongKong ||
                                     territory == QLocale::Macau;
            return traditional ? 2 : 3;
        }
        case QLocale::Japanese:
            return 4;
        case QLocale::Korean:
            return 5;
        default:
            return kEnglish;
    }
}

bool SetActiveLanguage(int language) {
    if (language < 1 || language > kLanguageSlots) return false;
    LanguageSwitch& state = Switch();
    for (auto& translator : state.installed) QCoreApplication::removeTranslator(translator.get());
    state.installed.clear();
    state.active = language;

    const QString suffix = LanguageSuffix(language);
    if (!suffix.isEmpty()) {
        const QDir resources(QStringLiteral(":/i18n"));
        const QStringList files = resources.entryList({QStringLiteral("*_%1.qm").arg(suffix)});
        for (const QString& file : files) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(resources.filePath(file)) && QCoreApplication::installTranslator(translator.get())) {
                state.installed.push_back(std::move(translator));
            }
        }
    }
    // Installing posts LanguageChange to the application, which posts it on
    // to every window; deliver both now so that every window carries the
    // new captions when this returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return true;
}

}  // namespace vn::ui
