#include "widgets/answer_format.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

#include <array>
#include <utility>

namespace {

const QString formatKey = QStringLiteral("answers/format");
const QString placesKey = QStringLiteral("answers/decimalPlaces");

// Stored by name rather than by number, so a reordered list never changes a saved choice.
constexpr std::array<std::pair<AnswerStyle, const char*>, 3> styleNames{{
    {AnswerStyle::Decimal, "Decimal"},
    {AnswerStyle::Exact, "Exact"},
    {AnswerStyle::Rounded, "Rounded"},
}};

} // namespace

AnswerFormat::AnswerFormat(const QString& settingsFile, QObject* parent)
    : QObject(parent)
    , m_file(settingsFile)
{
    load();
}

AnswerFormat& AnswerFormat::program()
{
    static AnswerFormat format(programSettingsFile());
    return format;
}

QString AnswerFormat::programSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u'/' +
           QCoreApplication::applicationName() + QStringLiteral(".conf");
}

void AnswerFormat::setChoice(AnswerChoice choice)
{
    if (choice == m_choice)
        return;
    m_choice = choice;
    save();
    emit changed();
}

void AnswerFormat::load()
{
    const QSettings settings(m_file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return;
    const QString name = settings.value(formatKey).toString();
    bool isWhole = false;
    const int places = settings.value(placesKey, 2).toInt(&isWhole);
    if (!isWhole || places < leastPlaces || places > mostPlaces)
        return;
    for (const auto& [style, styleName] : styleNames)
        if (name == QLatin1String(styleName))
            m_choice = {style, places};
}

void AnswerFormat::save() const
{
    QSettings settings(m_file, QSettings::IniFormat);
    for (const auto& [style, styleName] : styleNames)
        if (style == m_choice.style)
            settings.setValue(formatKey, QLatin1String(styleName));
    settings.setValue(placesKey, m_choice.places);
}
