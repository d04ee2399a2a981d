#include "widgets/answer_format_bar.h"

#include "widgets/answer_format.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

AnswerFormatBar::AnswerFormatBar(AnswerFormat& format, QWidget* parent)
    : QWidget(parent)
    , m_format(format)
    , m_style(new QComboBox(this))
    , m_places(new QSpinBox(this))
{
    setObjectName(QStringLiteral("answerFormatBar"));
    m_style->setObjectName(QStringLiteral("answerFormat"));
    m_style->addItem(tr("Decimal"), QVariant::fromValue(int(AnswerStyle::Decimal)));
    m_style->addItem(tr("Exact"), QVariant::fromValue(int(AnswerStyle::Exact)));
    m_style->addItem(tr("Rounded"), QVariant::fromValue(int(AnswerStyle::Rounded)));
    m_style->setAccessibleName(tr("Answer format"));
    m_style->setToolTip(
        tr("How the answers are written: as decimals, exactly (7/3, √13, 25π) where they can "
           "be, or rounded"));
    m_places->setObjectName(QStringLiteral("decimalPlaces"));
    m_places->setRange(leastPlaces, mostPlaces);
    m_places->setAccessibleName(tr("Decimal places"));
    // A screen reader may land on the line the spin box edits in: it carries the name too.
    if (auto* line = m_places->findChild<QLineEdit*>())
        line->setAccessibleName(m_places->accessibleName());
    m_places->setToolTip(tr("Decimal places: how many digits a rounded answer keeps after "
                            "the decimal point"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_style);
    layout->addWidget(m_places);
    showChoice();
    connect(&m_format, &AnswerFormat::changed, this, &AnswerFormatBar::showChoice);
    connect(m_style, &QComboBox::currentIndexChanged, this, &AnswerFormatBar::choose);
    connect(m_places, &QSpinBox::valueChanged, this, &AnswerFormatBar::choose);
}

QWidget* AnswerFormatBar::firstInTabOrder() const
{
    return m_style;
}

QWidget* AnswerFormatBar::lastInTabOrder() const
{
    return m_places;
}

void AnswerFormatBar::showChoice()
{
    // Shown without answering back: only the pupil's own change is a new choice.
    const AnswerChoice choice = m_format.choice();
    const QSignalBlocker styleBlocker(m_style);
    const QSignalBlocker placesBlocker(m_places);
    m_style->setCurrentIndex(qMax(0, m_style->findData(int(choice.style))));
    m_places->setValue(choice.places);
    m_places->setEnabled(choice.style == AnswerStyle::Rounded);
}

void AnswerFormatBar::choose()
{
    m_format.setChoice({AnswerStyle(m_style->currentData().toInt()), m_places->value()});
    showChoice();
}
