#include "app/launch_urls.h"

#include <QStandardPaths>

#include <utility>

namespace {

const QString donationHost = QStringLiteral("www.paypal.com");
const QString payeeAddress = QStringLiteral("donate@corvale.app");

} // namespace

QString contactUrl()
{
    return QStringLiteral("mailto:") + supportAddress +
           QStringLiteral("?subject=Suggestions , Comments");
}

QString donationUrl()
{
    const std::pair<QString, QString> query[] = {
        {QStringLiteral("cmd"), QStringLiteral("_xclick")},
        {QStringLiteral("business"), payeeAddress},
        {QStringLiteral("item_name"), QStringLiteral("Corvale")},
        {QStringLiteral("no_note"), QStringLiteral("1")},
        {QStringLiteral("currency_code"), QStringLiteral("USD")},
        {QStringLiteral("tax"), QStringLiteral("0")},
        {QStringLiteral("submit.x"), QStringLiteral("78")},
        {QStringLiteral("submit.y"), QStringLiteral("14")},
    };
    QStringList pairs;
    for (const auto& [key, value] : query)
        pairs << key + u'=' + value;
    return QStringLiteral("https://") + donationHost + QStringLiteral("/cgi-bin/webscr?") +
           pairs.join(u'&');
}

QStringList calculatorCandidates()
{
    return {QStringLiteral("Calc.exe"),      QStringLiteral("gnome-calculator"),
            QStringLiteral("kcalc"),         QStringLiteral("qalculate-qt"),
            QStringLiteral("qalculate-gtk"), QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),     QStringLiteral("xcalc")};
}

QString findCalculator()
{
    for (const QString& name : calculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}
