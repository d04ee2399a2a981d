#include "app/donation_window.h"

#include "app/launch_urls.h"
#include "widgets/controls.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace {

const QSize donatePictureSize(93, 31);

// "Press Here" beside the picture button that opens the donation page.
QHBoxLayout* buildPressRow(QPushButton* button, QWidget* parent)
{
    button->setIcon(QIcon(QStringLiteral(":/app/donate.png")));
    button->setIconSize(donatePictureSize);
    button->setAccessibleName(QStringLiteral("Donate"));
    button->setToolTip(QStringLiteral("Opens the donation page in your web browser"));
    // Outside a dialog a push button ignores Return unless told otherwise.
    button->setAutoDefault(true);

    QLabel* label = makeLabel("Label13", QStringLiteral("Press Here"), parent);
    label->setBuddy(button);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(button);
    row->addStretch();
    return row;
}

} // namespace

DonationWindow::DonationWindow(Launcher& launcher, QWidget* parent)
    : QWidget(parent)
    , m_launcher(launcher)
{
    // Naming the resource here is what links it in from the static library.
    Q_INIT_RESOURCE(images);

    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Donate Using PayPal"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picOptions = new QFrame(this);
    picOptions->setObjectName(QStringLiteral("picOptions"));
    QPushButton* button = makeButton("Command", QString(), picOptions);
    connect(button, &QPushButton::clicked, this, &DonationWindow::donate);

    auto* content = new QVBoxLayout(picOptions);
    for (const auto& [name, text] :
         {std::pair{"Label12", "If you have found this software helpful,"},
          std::pair{"Label11", "Please consider to support the author."},
          std::pair{"Label15", "You can donate via PayPal in US dollars no"},
          std::pair{"Label16", "matter what  your home currency. \n"}})
        content->addWidget(makeLabel(name, QString::fromLatin1(text), picOptions));
    content->addLayout(buildPressRow(button, picOptions));
    content->addStretch();
    content->addWidget(makeLabel(
        "Label14", QStringLiteral("The donation page opens in your web browser."), picOptions));

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(picOptions);
}

void DonationWindow::donate()
{
    // Whether a browser came up is the desktop's business; the window has nothing to add.
    m_launcher.openUrl(QUrl(donationUrl()));
}
