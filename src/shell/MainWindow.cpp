#include "shell/MainWindow.h"

#include "appearance/MenuColour.h"
#include "appearance/OptionsPage.h"
#include "calculators/BlockPage.h"
#include "calculators/BrickPage.h"
#include "calculators/FlatworkPage.h"
#include "calculators/FootingPage.h"
#include "calculators/PiersPage.h"
#include "calculators/PouredWallsPage.h"
#include "calculators/RebarPage.h"
#include "calculators/WeldedWirePage.h"
#include "core/AppInfo.h"
#include "core/NumberFormat.h"
#include "core/Twips.h"
#include "editor/EditorPage.h"
#include "platform/Desktop.h"
#include "platform/MenuEntries.h"
#include "platform/ModalDialog.h"
#include "shell/BusinessDialog.h"
#include "shell/EstimateCommands.h"
#include "shell/FactorsDialog.h"
#include "shell/JobSession.h"
#include "shell/OpenWindows.h"
#include "shell/OrderListWindow.h"
#include "shell/Resources.h"
#include "shell/ShellMessages.h"
#include "shell/StartPage.h"
#include "shell/StoredControls.h"
#include "shell/ToolsAndHelp.h"
#include "shell/Tray.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"
#include "totals/TotalsPage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>
#include <functional>

namespace {

// The rectangle every page is laid on.
constexpr QRect kPageRect = twipsRect(2100, 390, 6660, 6060);

const int kButtonTops[MainWindow::kPageButtonCount] = {345,  930,  1530, 2115, 2719,
                                                       3305, 3891, 4477, 5063, 5625};

struct PageInfo
{
    int index;
    const char *caption;
};

// Pages in the order they are created; later ones lie in front of earlier ones.
const PageInfo kPages[] = {
    {0, "Footing"},
    {1, "Piers"},
    {2, "Rebar"},
    {3, "Flatwork"},
    {4, "Welded Wire"},
    {5, "Block"},
    {6, "Poured Concrete Walls"},
    {7, "Brick"},
    {8, "Totals"},
    {9, "Text Editor"},
    {20, "Price List"},
    {26, ""},
    {300, "Options"},
};

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QGroupBox *newFrame(const QString &name, const QString &caption, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    // Pages overlap; each must paint its own background so only the front one is seen.
    frame->setAutoFillBackground(true);
    return frame;
}

// Lays `page` into the frame it was built in, so it fills the frame inside its border and caption.
template <class Page> Page *laidIntoFrame(Page *page, std::optional<QMargins> margins = std::nullopt)
{
    auto *layout = new QVBoxLayout(page->parentWidget());
    if (margins)
        layout->setContentsMargins(*margins);
    layout->addWidget(page);
    return page;
}

// Runs one load step; a failing step is skipped and loading goes on.
void runStep(const char *what, const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::exception &error) {
        qWarning("Load step '%s' skipped: %s", what, error.what());
    } catch (...) {
        qWarning("Load step '%s' skipped", what);
    }
}

struct MenuEntry
{
    const char *name; // nullptr: a separator
    const char *caption;
};

QMenu *newMenu(const char *name, const char *title, const std::initializer_list<MenuEntry> &entries,
               QWidget *parent)
{
    auto *menu = new QMenu(QString::fromUtf8(title), parent);
    menu->setObjectName(QLatin1String(name));
    for (const MenuEntry &entry : entries) {
        if (!entry.name) {
            menu->addSeparator();
            continue;
        }
        addMenuEntry(menu, entry.name, entry.caption);
    }
    return menu;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    initMortarixResources();
    m_openWindows = new OpenWindows(this);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppInfo::mainCaption());
    // Window and tray show the icon small; decoding the large one would cost every start.
    setWindowIcon(QIcon(QStringLiteral(":/mortarix/mortarix-48.png")));
    // The pop-up menus come first, so pages can fill them while they are built.
    buildPopupMenus();
    buildMenus();
    buildWindow();
    buildStatusBar();
    setTray(new SystemTray);
    connectToolsAndHelp(*this);
    buildPageShortcuts();
    runLoadSteps();
    m_jobs = new JobSession(this, findChild<QMenu *>(QStringLiteral("mnuRecentJobs")));
    m_estimates = new EstimateCommands(this);
    connect(findChild<QPushButton *>(QStringLiteral("MyGRIDcmd_Estimate")), &QPushButton::clicked,
            m_estimates, &EstimateCommands::exportPdf);
    // Whatever takes the focus by other ways than Tab (a label's mnemonic, a hidden widget passing
    // it on) must not leave it on a page the user cannot see.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this && isBehind(now))
            keepFocusInFront();
    });
}

MainWindow::~MainWindow()
{
    // The children go after this window's own members; their focus changes must find no watch.
    disconnect(m_focusWatch);
}

QStringList MainWindow::pageButtonCaptions()
{
    static const QStringList captions = {QStringLiteral("Footing"),   QStringLiteral("Piers"),
                                         QStringLiteral("Rebar"),     QStringLiteral("Flatwork"),
                                         QStringLiteral("Weld Wire"), QStringLiteral("Block"),
                                         QStringLiteral("PRD Walls"), QStringLiteral("Brick"),
                                         QStringLiteral("Totals"),    QStringLiteral("Text Editor")};
    return captions;
}

void MainWindow::buildWindow()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(9330), twips(7035));
    setCentralWidget(client);

    auto *picture = new QWidget(client);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(twipsRect(75, 150, 9180, 6765));

    QGroupBox *outer = newFrame(arrayName("myframe", 15), QString(), picture);
    outer->setGeometry(0, 0, picture->width(), picture->height());
    m_pages.insert(15, outer);

    QGroupBox *buttonPanel = newFrame(arrayName("myframe", 10), QString(), outer);
    buttonPanel->setGeometry(twipsRect(180, 255, 1755, 6240));
    m_pages.insert(10, buttonPanel);

    const QStringList captions = pageButtonCaptions();
    for (int i = 0; i < kPageButtonCount; ++i) {
        auto *button = new QPushButton(captions.at(i), buttonPanel);
        button->setObjectName(arrayName("Command1", i));
        button->setGeometry(twipsRect(195, kButtonTops[i], 1275, 300));
        button->installEventFilter(this);
        // A pressed button repaints at once; filling its corners with the panel's own colour spares
        // repainting the panel beneath it on every click.
        button->setBackgroundRole(QPalette::Window);
        button->setAutoFillBackground(true);
        // Return on a focused page button presses it, as Space does.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, i] { switchToPage(i); });
        m_pageButtons.append(button);
    }

    buildPages(outer);
}

void MainWindow::buildPages(QWidget *area)
{
    for (const PageInfo &info : kPages) {
        QGroupBox *frame = newFrame(arrayName("myframe", info.index), QString::fromUtf8(info.caption), area);
        frame->setGeometry(kPageRect);
        m_pages.insert(info.index, frame);
        // Pages are raised and lowered by their own menus too; the focus must follow.
        frame->installEventFilter(this);
    }

    const QMargins sideMargins(4, 4, 4, 4);
    laidIntoFrame(new StartPage(m_pages.value(kStartPage)), QMargins());
    auto *totals = laidIntoFrame(
        new TotalsPage(m_pages.value(kTotalsPage), popupMenu(QStringLiteral("mnugridEdit"))), sideMargins);
    m_totals = totals->grid();
    m_priceList = laidIntoFrame(new PriceListPage(m_pages.value(kPriceListPage)), sideMargins);
    m_options = laidIntoFrame(new OptionsPage(m_pages.value(kOptionsPage)));

    Workspace workspace;
    workspace.priceList = m_priceList;
    workspace.totals = m_totals;
    // Built in page order, which is also the order of the focus chain.
    m_calculators << new FootingPage(m_pages.value(0), workspace);
    m_calculators << new PiersPage(m_pages.value(1), workspace);
    m_calculators << (m_rebar = new RebarPage(m_pages.value(2), workspace));
    Workspace withMenu = workspace;
    withMenu.moreInfoMenu = popupMenu(QStringLiteral("mnuPop"));
    m_calculators << new FlatworkPage(m_pages.value(3), withMenu);
    withMenu.moreInfoMenu = popupMenu(QStringLiteral("mnuPopww"));
    m_calculators << new WeldedWirePage(m_pages.value(4), withMenu);
    m_calculators << (m_block = new BlockPage(m_pages.value(5), workspace));
    m_calculators << new PouredWallsPage(m_pages.value(6), workspace);
    m_calculators << (m_brick = new BrickPage(m_pages.value(7), workspace));
    for (CalculatorPage *calculator : std::as_const(m_calculators))
        laidIntoFrame(calculator, QMargins(4, 2, 4, 4));
    m_editor = laidIntoFrame(
        new EditorPage(m_pages.value(kEditorPage),
                       {popupMenu(QStringLiteral("mnurtf")), popupMenu(QStringLiteral("mnuPopEdit")),
                        popupMenu(QStringLiteral("mnuPopRTformat"))}));
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *file = newMenu("mnuFile", "&File",
                          {{"mnuNewJob", "&New Job"},
                           {"mnuOpenJob", "Open &Job . . ."},
                           {nullptr, nullptr},
                           {"mnuSaveJob", "&Save Job"},
                           {"mnuSaveJobAs", "Save Job &As . . ."},
                           {nullptr, nullptr},
                           {"mnuJobDetails", "Job &Details . . ."},
                           {nullptr, nullptr},
                           {"mnuPreviewEstimate", "Estimate Pre&view . . ."},
                           {"mnuPrintEstimate", "&Print Estimate . . ."},
                           {"mnuExportEstimate", "&Export Estimate (PDF) . . ."},
                           {nullptr, nullptr},
                           {"mnuopen", "Open . . ."},
                           {nullptr, nullptr},
                           {"mnuminimize", "&Minimize To Sys Tray"},
                           {nullptr, nullptr},
                           {"mnuprinter", "Printer . . ."},
                           {nullptr, nullptr},
                           {"mnuExit", "E&xit"}},
                          bar);
    QMenu *view = newMenu(
        "mnuView", "&View",
        {{"mnuStatusBar", "&Status Bar"}, {nullptr, nullptr}, {"mnustrtpge", "&View Start Page"}}, bar);
    QMenu *tools = newMenu("mnuTools", "&Tools",
                           {{"mnuCalendar", "&Calendar . . ."},
                            {nullptr, nullptr},
                            {"mnuCalc", "&Calculator . . ."},
                            {nullptr, nullptr},
                            {"mnuOptions", "&Options "},
                            {nullptr, nullptr}},
                           bar);
    QMenu *screenSize =
        newMenu("mnuScrSize", "Screen &Display Size", {{"mnuChngRes", "Disp&lay Setting . . ."}}, tools);
    tools->addMenu(screenSize)->setObjectName(QStringLiteral("mnuScrSize"));
    tools->addSeparator();
    tools->addAction(QStringLiteral("&Price List "))->setObjectName(QStringLiteral("mnuPrceList"));
    tools->addSeparator();
    tools->addAction(QStringLiteral("&Business Details . . ."))->setObjectName(QStringLiteral("mnuBusiness"));
    tools->addAction(QStringLiteral("&Material Factors . . ."))->setObjectName(QStringLiteral("mnuFactors"));
    tools->addAction(QStringLiteral("Material &Order List . . ."))
        ->setObjectName(QStringLiteral("mnuOrderList"));
    QMenu *help = newMenu("mnuHelp", "&Help",
                          {{"mnureedme", "Readme . . ."},
                           {nullptr, nullptr},
                           {"mnuMortarixWeb", "&Mortarix Online Help. . ."},
                           {nullptr, nullptr},
                           {"mnuAbout", "&About Mortarix . . ."}},
                          bar);
    for (QMenu *menu : {file, view, tools, help})
        bar->addMenu(menu)->setObjectName(menu->objectName());

    // The recent jobs stand in a group of their own between saving and the job's details.
    QAction *details = menuAction(QStringLiteral("mnuJobDetails"));
    QMenu *recent = newMenu("mnuRecentJobs", "Recent Jobs", {}, file);
    file->insertMenu(details, recent)->setObjectName(QStringLiteral("mnuRecentJobs"));
    file->insertSeparator(details);
    const std::pair<const char *, QKeySequence> shortcuts[] = {
        {"mnuNewJob", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"mnuOpenJob", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuSaveJob", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuSaveJobAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}};
    for (const auto &[name, keys] : shortcuts)
        menuAction(QLatin1String(name))->setShortcut(keys);

    QAction *statusBarEntry = menuAction(QStringLiteral("mnuStatusBar"));
    statusBarEntry->setCheckable(true);
    statusBarEntry->setChecked(true);
    connect(statusBarEntry, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    m_startPageAction = menuAction(QStringLiteral("mnustrtpge"));
    connect(m_startPageAction, &QAction::triggered, this, &MainWindow::showStartPage);
    connect(menuAction(QStringLiteral("mnuPrceList")), &QAction::triggered, this, &MainWindow::showPriceList);
    connect(menuAction(QStringLiteral("mnuBusiness")), &QAction::triggered, this,
            [this] { BusinessDialog::editStored(this); });
    connect(menuAction(QStringLiteral("mnuFactors")), &QAction::triggered, this,
            [this] { FactorsDialog::editStored(this); });
    connect(menuAction(QStringLiteral("mnuOrderList")), &QAction::triggered, this,
            [this] { OrderListWindow::show(m_jobs, this); });

    connect(menuAction(QStringLiteral("mnuopen")), &QAction::triggered, this, &MainWindow::openInEditor);
    connect(menuAction(QStringLiteral("mnuExit")), &QAction::triggered, this,
            [this] { closeWithReason(CloseReason::Program); });
    connect(menuAction(QStringLiteral("mnuminimize")), &QAction::triggered, this,
            &MainWindow::minimizeToTray);

    // The print dialog; nothing is read back and a cancel is no error.
    connect(menuAction(QStringLiteral("mnuprinter")), &QAction::triggered, this,
            [this] { Desktop::instance().printerSetup(this); });
}

void MainWindow::buildPopupMenus()
{
    const QList<QMenu *> menus = {
        // The pages that show them fill and connect them.
        newMenu("mnuPop", "PopUp", {}, this),
        newMenu("mnuPopww", "PopUpWW", {}, this),
        newMenu("mnurtf", "PopUPRTFile", {}, this),
        newMenu("mnuPopRTformat", "PoPupFormat", {}, this),
        newMenu("mnuPopEdit", "PopUpEdit", {}, this),
        newMenu("mnugridEdit", "Grid Edit", {}, this),
        newMenu("mnuSystemtray", "Systemtray", {}, this),
    };
    for (QMenu *menu : menus) {
        menu->hide();
        m_popupMenus.insert(menu->objectName(), menu);
    }
}

void MainWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    // Panel widths in twips; the panels share the bar in these proportions.
    const int widths[] = {3651, 2469, 2365, 2293, 2469, 2540};
    const QString texts[] = {
        QStringLiteral("MORTARIX"), QStringLiteral("MASONRY"), QString(), QString(), QString(), QString()};
    for (int i = 0; i < 6; ++i) {
        auto *panel = new QLabel(texts[i], bar);
        panel->setObjectName(arrayName("Panels", i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(1);
        bar->addPermanentWidget(panel, widths[i]);
        m_statusPanels.append(panel);
    }
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::updateClock);
    m_clock->start();
    updateClock();
}

void MainWindow::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    setStatusText(StatusPanel::Date, locale.toString(now.date(), QLocale::ShortFormat));
    setStatusText(StatusPanel::Time, locale.toString(now.time(), QLocale::ShortFormat));
}

void MainWindow::runLoadSteps()
{
    runStep("build the totals grid", [this] { m_totals->LoadGrid(); });
    setStatusText(StatusPanel::Page, QStringLiteral("Start Page"));

    runStep("restore options", [this] { OptionStates::restoreAll(this); });
    runStep("clear block and bar sizes", [this] {
        for (QRadioButton *size : m_block->sizeOptions())
            OptionStates::setOption(size, false);
        for (QRadioButton *size : m_rebar->barSizeOptions())
            OptionStates::setOption(size, false);
    });
    runStep("restore prices", [this] { PriceStore::restoreAll(this); });
    runStep("zero labour fields", [this] {
        const QString zero = Numbers::formatCurrency(Numbers::Currency());
        for (CalculatorPage *page : std::as_const(m_calculators)) {
            if (QLineEdit *labour = page->labourField())
                labour->setText(zero);
        }
    });
    runStep("colour the menus", [this] { MenuColour::apply(this); });
    runStep("version", [this] {
        setStatusText(StatusPanel::Version, QStringLiteral("Ver. ") + AppInfo::versionTriple());
    });
    runStep("option caption fonts", [this] {
        for (QRadioButton *colour : m_options->colourChoices()) {
            QFont font = colour->font();
            font.setFamily(QStringLiteral("ms sans seriff"));
            font.setPointSizeF(8.5);
            colour->setFont(font);
        }
        for (QRadioButton *fontChoice : m_options->fontChoices()) {
            QFont font = fontChoice->font();
            font.setPointSizeF(9);
            fontChoice->setFont(font);
        }
    });
    runStep("disable start page entry", [this] { m_startPageAction->setEnabled(false); });
    runStep("price boxes", [this] {
        for (int i = 0; i < PriceStore::kPriceCount; ++i) {
            if (QLineEdit *price = m_priceList->entryField(i)) {
                QFont font = price->font();
                font.setFamily(QStringLiteral("MS Sans Seriff"));
                price->setFont(font);
                price->setMaxLength(4);
            }
        }
    });
    runStep("no maximise box", [this] {
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint) &
                       ~Qt::WindowMaximizeButtonHint);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    });
    runStep("brick sizes", [this] { m_brick->fillSizeList(); });
    runStep("stack rebar frames", [this] { m_rebar->stackInputFrames(); });
    runStep("lay out pages", [this] {
        for (int i = 0; i < kPageButtonCount; ++i) {
            m_pages.value(i)->setGeometry(kPageRect);
            m_pages.value(i)->hide();
        }
        m_pages.value(kPriceListPage)->hide();
        m_pages.value(kPriceListPage)->setGeometry(kPageRect);
        m_pages.value(kStartPage)->setGeometry(kPageRect);
        m_pages.value(kStartPage)->hide();
        QGroupBox *options = m_pages.value(kOptionsPage);
        options->hide();
        options->setGeometry(twipsRect(2160, 330, 6650, 6060));
    });
    runStep("start page in front", [this] {
        QGroupBox *start = m_pages.value(kStartPage);
        if (!start->isVisibleTo(this)) {
            start->show();
            start->raise();
        }
    });
    // The inner input frames of the piers, poured walls and flatwork pages are placed by their
    // pages' own layouts.
}

QGroupBox *MainWindow::page(int index) const
{
    return m_pages.value(index, nullptr);
}

QPushButton *MainWindow::pageButton(int index) const
{
    return m_pageButtons.value(index, nullptr);
}

QString MainWindow::statusText(StatusPanel panel) const
{
    const QLabel *label = m_statusPanels.value(int(panel) - 1, nullptr);
    return label ? label->text() : QString();
}

void MainWindow::setStatusText(StatusPanel panel, const QString &text)
{
    if (QLabel *label = m_statusPanels.value(int(panel) - 1, nullptr))
        label->setText(text);
}

QMenu *MainWindow::popupMenu(const QString &name) const
{
    return m_popupMenus.value(name, nullptr);
}

QAction *MainWindow::menuAction(const QString &name) const
{
    return findChild<QAction *>(name);
}

void MainWindow::switchToPage(int index)
{
    recalcTotalsReadAmounts();
    setStatusText(StatusPanel::Page, pageButtonCaptions().value(index));
    QGroupBox *start = m_pages.value(kStartPage);
    if (start->isVisibleTo(this))
        start->lower();
    m_startPageAction->setEnabled(true);
    QGroupBox *options = m_pages.value(kOptionsPage);
    if (options->isVisibleTo(this))
        options->lower();
    recalcTotalsFormatAndSubTotals();
    for (int j = 0; j < kPageButtonCount; ++j)
        m_pages.value(j)->setVisible(j == index);
    recalcTotalsGrandAndRowTotals();
    keepFocusInFront();
}

void MainWindow::showStartPage()
{
    QGroupBox *start = m_pages.value(kStartPage);
    start->show();
    start->raise();
    setStatusText(StatusPanel::Page, QStringLiteral("Start Page"));
    keepFocusInFront();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A mouse release on a page button comes before its click and takes the price list away;
    // a button worked from the keyboard leaves it in front.
    if (event->type() == QEvent::MouseButtonRelease && m_pageButtons.contains(watched)) {
        QGroupBox *priceList = m_pages.value(kPriceListPage);
        if (priceList->isVisibleTo(this))
            priceList->hide();
    }
    const auto type = event->type();
    // Escape puts the price list away from the keyboard, as a click on a page button does with the
    // mouse; a page button worked from the keyboard leaves it in front.
    if (type == QEvent::KeyPress && watched == m_pages.value(kPriceListPage) &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        m_pages.value(kPriceListPage)->hide();
        focusIntoFrontPage(Qt::OtherFocusReason);
        return true;
    }
    if ((type == QEvent::ZOrderChange || type == QEvent::Show || type == QEvent::Hide) &&
        !m_focusCheckQueued && !m_pageButtons.contains(watched)) {
        // Once the stacking has settled: a switch shows and hides several pages in a row.
        m_focusCheckQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_focusCheckQueued = false;
                keepFocusInFront();
            },
            Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::buildPageShortcuts()
{
    // Ctrl+1 to Ctrl+9 and Ctrl+0 press the ten page buttons as from the keyboard: only the click,
    // so a price list in front stays there. The focus then goes into the page in front.
    const Qt::Key digits[kPageButtonCount] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                                              Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_0};
    for (int i = 0; i < kPageButtonCount; ++i) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | digits[i]), this);
        shortcut->setObjectName(QStringLiteral("pageShortcut(%1)").arg(i));
        connect(shortcut, &QShortcut::activated, this, [this, i] {
            m_pageButtons.at(i)->click();
            focusIntoFrontPage(Qt::ShortcutFocusReason);
        });
    }
}

bool MainWindow::focusIntoFrontPage(Qt::FocusReason reason)
{
    QGroupBox *front = frontPage();
    if (!front)
        return false;
    // The chain runs in the order widgets were made, so a page's controls need not follow its frame.
    for (QWidget *w = front->nextInFocusChain(); w != front; w = w->nextInFocusChain()) {
        if (front->isAncestorOf(w) && takesTabFocus(w)) {
            w->setFocus(reason);
            return true;
        }
    }
    return false;
}

QGroupBox *MainWindow::frontPage() const
{
    QWidget *area = m_pages.value(15);
    const QObjectList &stack = area->children();
    // Children lie in stacking order, the front one last.
    for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
        auto *frame = qobject_cast<QGroupBox *>(*it);
        if (frame && frame != m_pages.value(10) && frame->isVisibleTo(this) && m_pages.key(frame, -1) >= 0)
            return frame;
    }
    return nullptr;
}

bool MainWindow::takesTabFocus(const QWidget *widget) const
{
    if (!widget || widget->window() != this || !widget->isVisibleTo(this) || !widget->isEnabled())
        return false;
    if ((widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || widget->focusProxy())
        return false;
    return !isBehind(widget);
}

bool MainWindow::isBehind(const QWidget *widget) const
{
    QGroupBox *front = frontPage();
    for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
        if (it.key() != 10 && it.key() != 15 && it.value() != front && it.value()->isAncestorOf(widget))
            return true;
    }
    return false;
}

bool MainWindow::focusNextPrevChild(bool next)
{
    QWidget *current = QApplication::focusWidget();
    if (!current || current->window() != this)
        current = focusWidget() ? focusWidget() : this;
    QWidget *candidate = current;
    // The focus chain is a ring; one turn round it finds the next control or none.
    do {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (takesTabFocus(candidate)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (candidate != current);
    return false;
}

void MainWindow::keepFocusInFront()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != this)
        focus = focusWidget();
    if (!focus || !isBehind(focus))
        return;
    if (!focusIntoFrontPage(Qt::OtherFocusReason) && !focusNextPrevChild(true))
        focus->clearFocus();
}

void MainWindow::openInEditor()
{
    for (int index : {kOptionsPage, kPriceListPage}) {
        QGroupBox *page = m_pages.value(index);
        if (page && page->isVisibleTo(this)) {
            page->hide();
            page->lower();
        }
    }
    QGroupBox *editorPage = m_pages.value(kEditorPage);
    if (!editorPage->isVisibleTo(this)) {
        editorPage->show();
        editorPage->raise();
        setStatusText(StatusPanel::Page, QStringLiteral("Text Editor"));
    }
    // The page stays in front even when the dialog is then cancelled.
    m_editor->openDocument();
}

void MainWindow::showOptions()
{
    QGroupBox *page = m_pages.value(kOptionsPage);
    QGroupBox *first = m_pages.value(0);
    if (!page || !first)
        return;
    page->hide();
    page->setGeometry(first->geometry());
    page->show();
    page->raise();
    setStatusText(StatusPanel::Page, page->title());
}

void MainWindow::showPriceList()
{
    QGroupBox *priceList = m_pages.value(kPriceListPage);
    priceList->show();
    priceList->raise();
    setStatusText(StatusPanel::Page, QStringLiteral("Price List"));
    // Opened from the menu by keyboard too: the cursor goes to the first price.
    focusIntoFrontPage(Qt::OtherFocusReason);
}

void MainWindow::recalcTotalsReadAmounts()
{
    m_totals->recalcReadAmounts();
}

void MainWindow::recalcTotalsFormatAndSubTotals()
{
    m_totals->recalcFormatAndSubTotals();
}

void MainWindow::recalcTotalsGrandAndRowTotals()
{
    m_totals->recalcGrandAndRowTotals();
}

bool MainWindow::closeWithReason(CloseReason reason)
{
    m_closeReason = reason;
    const bool closed = close();
    m_closeReason = CloseReason::User;
    return closed;
}

void MainWindow::requestEnd()
{
    if (isClosing())
        return;
    Modal::endAllThen(this, [this] { closeWithReason(CloseReason::System); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    const CloseReason reason = std::exchange(m_closeReason, CloseReason::User);
    const QScopedValueRollback closing(m_closing, true);
    // Unsaved work in the job is asked about before anything else.
    if (!m_jobs->settleChanges() || !askBeforeClosing(reason)) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
    emit unloaded();
}

void MainWindow::saveOptionsAndPrices()
{
    OptionStates::saveAll(this);
    PriceStore::saveAll(this);
}

bool MainWindow::askBeforeClosing(CloseReason reason)
{
    // Saved first, so a cancelled close keeps them too.
    saveOptionsAndPrices();
    if (m_editor->hasText()) {
        const auto answer = ShellMessages::askSaveNotesBeforeClosing(this);
        if (answer == QMessageBox::No)
            return true;
        if (answer != QMessageBox::Yes)
            return false;
        QGroupBox *editorPage = m_pages.value(kEditorPage);
        editorPage->show();
        editorPage->raise();
        // A cancelled save dialog or a failed write keeps the program open with the notes intact.
        return m_editor->SaveEditorOnExit() == EditorPage::ExitSave::Saved;
    }
    // The tray icon goes only when the program really ends, so a hidden window stays reachable.
    return ShellMessages::askClose(this, reason == CloseReason::User);
}

void MainWindow::unload()
{
    m_unloading = true;
    saveOptionsAndPrices();
    if (m_tray)
        m_tray->removeIcon();
    m_openWindows->closeAll(this);
    m_clock->stop();
    m_jobs->endNormally();
}

void MainWindow::setTray(Tray *tray)
{
    if (m_tray)
        m_tray->deleteLater();
    m_tray = tray;
    if (!tray)
        return;
    tray->setParent(this);
    connect(tray, &Tray::doubleClicked, this, [this] {
        showNormal();
        raise();
        activateWindow();
    });
    connect(tray, &Tray::rightClicked, this, [this] {
        if (isVisible()) {
            raise();
            activateWindow();
        }
    });
}

void MainWindow::minimizeToTray()
{
    if (!m_tray || !m_tray->isAvailable()) {
        showMinimized();
        return;
    }
    m_tray->addIcon(windowIcon(), AppInfo::mainCaption());
    hideToTray();
}

void MainWindow::hideToTray()
{
    if (m_tray && m_tray->isAvailable())
        m_tray->addIcon(windowIcon(), AppInfo::mainCaption());
    hide();
}
