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

namespace {

const QSize donatePictureSize(93, 31);

} // namespace

Form14::Form14(Launcher& launcher, QWidget* parent)
    : QWidget(parent)
    , m_launcher(launcher)
{
    // Naming the resource here is what links it in from the static library.
    Q_INIT_RESOURCE(images);

    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Donate Using PayPal"));
    setAttribute(Qt::WA_DeleteOnClose);

    picOptions = new QFrame(this);
    picOptions->setObjectName(QStringLiteral("picOptions"));

    Command = makeButton("Command", QString(), picOptions);
    Command->setIcon(QIcon(QStringLiteral(":/app/donate.png")));
    Command->setIconSize(donatePictureSize);
    Command->setAccessibleName(QStringLiteral("Donate"));
    Command->setToolTip(QStringLiteral("Opens the donation page in your web browser"));
    // Outside a dialog a push button ignores Return unless told otherwise.
    Command->setAutoDefault(true);

    QLabel* Label13 = makeLabel("Label13", QStringLiteral("Press Here"), picOptions);
    Label13->setBuddy(Command);
    auto* pressRow = new QHBoxLayout;
    pressRow->addWidget(Label13);
    pressRow->addWidget(Command);
    pressRow->addStretch();

    auto* content = new QVBoxLayout(picOptions);
    content->addWidget(makeLabel(
        "Label12", QStringLiteral("If you have found this software helpful,"), picOptions));
    content->addWidget(
        makeLabel("Label11", QStringLiteral("Please consider to support the author."), picOptions));
    content->addWidget(makeLabel(
        "Label15", QStringLiteral("You can donate via PayPal in US dollars no"), picOptions));
    content->addWidget(
        makeLabel("Label16", QStringLiteral("matter what  your home currency. \n"), picOptions));
    content->addLayout(pressRow);
    content->addStretch();
    content->addWidget(makeLabel(
        "Label14", QStringLiteral("The donation page opens in your web browser."), picOptions));

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(picOptions);

    connect(Command, &QPushButton::clicked, this, [this] { Command_Click(0); });
}

void Form14::Command_Click(int index)
{
    Q_UNUSED(index);
    // Whether a browser came up is the desktop's business; the window has nothing to add.
    m_launcher.openUrl(QUrl(donationUrl()));
}
