// The main window's controls, menus and their places as the window grows and shrinks.
#include "app/main_window.h"

#include "widgets/my_check_list_box.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace tessel::app {
namespace {

// The client area the places below were designed for; the list takes what the window gains or loses.
constexpr int kDesignClientWidth = 517;
constexpr int kDesignClientHeight = 631;
constexpr int kListLeft = 33;
constexpr int kListTop = 36;
constexpr int kListRightMargin = kDesignClientWidth - (33 + 345);
constexpr int kListBottomMargin = kDesignClientHeight - (36 + 509);
constexpr int kButtonRightMargin = kDesignClientWidth - 403;
constexpr int kMinimumWidth = 400;
constexpr int kMinimumHeight = 600;

const QColor kStatusGrey(33, 33, 33);

QFont FontOfPixelSize(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

QPushButton *MakeButton(QWidget *parent, const QString &text, const QString &hint, int top, int height)
{
    auto *button = new QPushButton(text, parent);
    button->setToolTip(hint);
    button->setGeometry(403, top, 98, height);
    // Enter on a focused button presses that button, as on every other desktop window.
    button->setAutoDefault(true);
    return button;
}

QLabel *MakeLabel(QWidget *parent, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

void TForm1::CreateControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);
    // The window font: 9 points, 15 pixels at the design's 120 dots per inch.
    QFont windowFont = FontOfPixelSize(QStringLiteral("Segoe UI"), 15);
    setFont(windowFont);

    sLabel1 = MakeLabel(client, QStringLiteral("Backup groups"), QRect(32, 14, 200, 20));
    groupslb = new TMyCheckListBox(client);
    groupslb->setGeometry(kListLeft, kListTop, 345, 509);
    groupslb->setFont(windowFont);

    backupbutton = MakeButton(client, QStringLiteral("&Backup"), QStringLiteral("Backup group/s"), 276, 49);
    backupbutton->setDefault(true);
    pausebutton = MakeButton(client, QStringLiteral("&Pause"), QString(), 391, 33);
    pausebutton->hide();
    quitbutton = MakeButton(client, QStringLiteral("&Quit"), QString(), 430, 33);

    itemlabel = MakeLabel(client, QString(), QRect(31, 557, 516, 22));
    copyinglabel = MakeLabel(client, QStringLiteral("Copying:"), QRect(29, 579, 70, 20));
    copyinglabel->adjustSize();
    filelabel = MakeLabel(client, QString(), QRect(97, 582, 455, 16));
    filelabel->setFont(FontOfPixelSize(QStringLiteral("Tahoma"), 11));
    SetTextColour(filelabel, kStatusGrey);
    pb = new QProgressBar(client);
    pb->setGeometry(31, 597, 429, 13);
    pb->setRange(0, 100);
    pb->setValue(0);
    pb->setTextVisible(false);
    numfileslabel = MakeLabel(client, QString(), QRect(28, 612, 300, 18));
    numfileslabel->setFont(FontOfPixelSize(QStringLiteral("Times New Roman"), 13));
    SetTextColour(numfileslabel, kStatusGrey);

    // The list first, then the buttons from top to bottom, then the progress bar.
    setTabOrder(groupslb, backupbutton);
    setTabOrder(backupbutton, pausebutton);
    setTabOrder(pausebutton, quitbutton);
    setTabOrder(quitbutton, pb);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);

    connect(backupbutton, &QPushButton::clicked, this, &TForm1::backupbuttonClick);
    connect(pausebutton, &QPushButton::clicked, this, &TForm1::pausebuttonClick);
    connect(quitbutton, &QPushButton::clicked, this, &TForm1::quitbuttonClick);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(groupslb, &QListWidget::itemClicked, this, [this] { groupslbClick(); });
    groupslb->viewport()->installEventFilter(this);

    CreateMenus();
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(kDesignClientWidth, kDesignClientHeight + menuBar()->sizeHint().height());
}

void TForm1::CreateMenus()
{
    Priority1 = menuBar()->addMenu(QStringLiteral("&Priority"));
    High1 = Priority1->addAction(QStringLiteral("High"));
    Low1 = Priority1->addAction(QStringLiteral("Low"));
    High1->setCheckable(true);
    Low1->setCheckable(true);
    High1->setChecked(true);
    // Exclusive: choosing the entry already checked leaves it checked.
    auto *priorityGroup = new QActionGroup(this);
    priorityGroup->addAction(High1);
    priorityGroup->addAction(Low1);
    connect(High1, &QAction::triggered, this, &TForm1::High1Click);
    connect(Low1, &QAction::triggered, this, &TForm1::Low1Click);

    Log1 = menuBar()->addMenu(QStringLiteral("&Log"));
    Viewlog1 = Log1->addAction(QStringLiteral("View log"));
    Log1->addSeparator();
    Clearlog1 = Log1->addAction(QStringLiteral("Clear log"));
    connect(Viewlog1, &QAction::triggered, this, &TForm1::Viewlog1Click);
    connect(Clearlog1, &QAction::triggered, this, &TForm1::Clearlog1Click);

    ools1 = menuBar()->addMenu(QStringLiteral("&Tools"));
    Exportsettings1 = ools1->addAction(QStringLiteral("Export settings"));
    Importsettings1 = ools1->addAction(QStringLiteral("Import settings"));
    connect(Exportsettings1, &QAction::triggered, this, &TForm1::Exportsettings1Click);
    connect(Importsettings1, &QAction::triggered, this, &TForm1::Importsettings1Click);

    PopupMenu1 = new QMenu(this);
    Runthisbackupgroupnow1 = PopupMenu1->addAction(QStringLiteral("Run this backup group now"));
    N4 = PopupMenu1->addSeparator();
    Runthisbackupgroupnowwithsynch1 =
        PopupMenu1->addAction(QStringLiteral("Run this backup group now, with synchronizing"));
    Runthisbackupgroupnowwithsynch1->setToolTip(QStringLiteral("Backup and propagate deletions"));
    N5 = PopupMenu1->addSeparator();
    Runthisbackupgroupnowwithtimestamp1 =
        PopupMenu1->addAction(QStringLiteral("Run this backup group now, with timestamp and plain copy"));
    PopupMenu1->setToolTipsVisible(true);
    connect(Runthisbackupgroupnow1, &QAction::triggered, this, [this] { Runthisbackupgroupnow1Click(1); });
    connect(Runthisbackupgroupnowwithsynch1, &QAction::triggered, this,
            [this] { Runthisbackupgroupnow1Click(2); });
    connect(Runthisbackupgroupnowwithtimestamp1, &QAction::triggered, this,
            [this] { Runthisbackupgroupnow1Click(3); });
}

void TForm1::FormResize()
{
    QWidget *client = centralWidget();
    if (!client || !groupslb)
        return;
    const int clientWidth = client->width();
    const int clientHeight = client->height();

    // Anchored controls: the list to all four sides, the buttons to the top right.
    groupslb->setGeometry(kListLeft, kListTop, qMax(0, clientWidth - kListLeft - kListRightMargin),
                          qMax(0, clientHeight - kListTop - kListBottomMargin));
    for (QPushButton *button : {backupbutton, pausebutton, quitbutton})
        button->move(clientWidth - kButtonRightMargin, button->y());

    // The status area follows the list's bottom edge.
    itemlabel->show();
    itemlabel->move(itemlabel->x(), groupslb->y() + groupslb->height() + 5);
    copyinglabel->move(copyinglabel->x(), itemlabel->y() + itemlabel->height() + 2);
    filelabel->move(filelabel->x(), copyinglabel->y() + 4);
    pb->move(pb->x(), copyinglabel->y() + copyinglabel->height());
    numfileslabel->show();
    numfileslabel->move(numfileslabel->x(), pb->y() + pb->height() + 3);
    pb->resize(qMax(0, width() - 64), pb->height());
    filelabel->resize(qMax(0, clientWidth - filelabel->x() - 16), filelabel->height());
}

} // namespace tessel::app
