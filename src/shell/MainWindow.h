#pragma once

#include <QMainWindow>
#include <QMap>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QWidget;
class PriceListPage;
class BlockPage;
class BrickPage;
class CalculatorPage;
class OptionsPage;
class EditorPage;
class EstimateCommands;
class JobSession;
class OpenWindows;
class Tray;
class RebarPage;
class TotalsGrid;

// frmMain: the program's working window. A column of ten page buttons on the left brings one
// page (a frame of the myframe array) to the front; the start page, price list and options are
// pages opened from the menus. All pages lie on one rectangle; which one is seen depends on
// visibility and front-to-back order, as the page switch arranges it.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kPageButtonCount = 10;
    static constexpr int kTotalsPage = 8;
    static constexpr int kEditorPage = 9;
    static constexpr int kPriceListPage = 20;
    static constexpr int kStartPage = 26;
    static constexpr int kOptionsPage = 300;

    // Creates the window hidden and runs its load steps.
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The frame myframe(index), or nullptr.
    QGroupBox *page(int index) const;
    // The page button Command1(index).
    QPushButton *pageButton(int index) const;
    // Button captions, in index order.
    static QStringList pageButtonCaptions();

    // The status bar's panels, left to right.
    enum class StatusPanel { Program = 1, Subject, Page, Version, Date, Time };
    QString statusText(StatusPanel panel) const;
    void setStatusText(StatusPanel panel, const QString &text);

    // The hidden pop-up menus, by name (mnuPop, mnuPopww, mnurtf, ...).
    QMenu *popupMenu(const QString &name) const;
    // A menu entry by name (mnuopen, mnuStatusBar, ...).
    QAction *menuAction(const QString &name) const;

    // Why the window is closing: the close box (user), File > Exit (program), or the session or
    // a termination request (system). Only user versus the rest changes the question asked.
    enum class CloseReason { User, Program, System };
    // Closes the window for `reason`, through the closing steps; false when the user kept it open.
    bool closeWithReason(CloseReason reason);
    // True while the closing steps run (their questions are open) and after they have finished.
    bool isClosing() const { return m_closing || m_unloading; }
    // A request to end the program (termination signal, end of the session): open dialogs are
    // dismissed first, then the closing steps run from the main event loop. Does nothing while the
    // closing steps already run or a request is pending.
    void requestEnd();

    // File > Minimize To Sys Tray; where there is no notification area the window is minimised.
    void minimizeToTray();
    // Adds the tray icon (once) and hides the window; nothing on it is lost.
    void hideToTray();
    // Replaces the tray (tests use a fake one); the window takes ownership.
    void setTray(Tray *tray);
    Tray *tray() const { return m_tray; }

    // The program's windows in opening order.
    OpenWindows *openWindows() const { return m_openWindows; }
    EditorPage *editor() const { return m_editor; }
    // The calculator pages, in page order.
    const QList<CalculatorPage *> &calculators() const { return m_calculators; }
    // The job the window shows.
    JobSession *jobs() const { return m_jobs; }
    EstimateCommands *estimates() const { return m_estimates; }

    // What a click of page button i does.
    void switchToPage(int index);
    // View > View Start Page.
    void showStartPage();
    // Tools > Price List: the price list above the current page.
    void showPriceList();
    // Tools > Options: the Options page on the rectangle of the first calculator page, in front.
    void showOptions();
    // File > Open: the editor page in front (the Options page and the price list go), then Open.
    void openInEditor();

    // The page (a frame of myframe) that lies in front of all others, or nullptr.
    QGroupBox *frontPage() const;

    TotalsGrid *totalsGrid() const { return m_totals; }
    PriceListPage *priceList() const { return m_priceList; }

signals:
    // The closing steps have run to the end: every window is closed and the program may end.
    void unloaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Tab and Shift+Tab move only among the controls the user sees: none of a page behind another.
    bool focusNextPrevChild(bool next) override;

private:
    void buildWindow();
    void buildPages(QWidget *area);
    void buildMenus();
    void buildPopupMenus();
    void buildStatusBar();
    void runLoadSteps();
    void buildPageShortcuts();
    // True when `widget` may take the focus from Tab: shown, enabled, and not on a page behind.
    bool takesTabFocus(const QWidget *widget) const;
    // True when `widget` lies on a page that is not in front.
    bool isBehind(const QWidget *widget) const;
    // Puts the focus on the first control of the page in front; false when it has none.
    bool focusIntoFrontPage(Qt::FocusReason reason);
    // Takes the focus off a page that went behind another, into the page in front.
    void keepFocusInFront();
    void updateClock();
    // The closing question step: false keeps the window open.
    bool askBeforeClosing(CloseReason reason);
    // The unload step.
    void unload();
    void saveOptionsAndPrices();

    // The totals recomputation, in the three stages the page switch interleaves with its own.
    void recalcTotalsReadAmounts();
    void recalcTotalsFormatAndSubTotals();
    void recalcTotalsGrandAndRowTotals();

    QMap<int, QGroupBox *> m_pages;
    QList<QPushButton *> m_pageButtons;
    QAction *m_startPageAction = nullptr; // looked up once: a page switch enables it
    QMap<QString, QMenu *> m_popupMenus;
    QList<QLabel *> m_statusPanels;
    QTimer *m_clock = nullptr;
    TotalsGrid *m_totals = nullptr;
    PriceListPage *m_priceList = nullptr;
    RebarPage *m_rebar = nullptr;
    BlockPage *m_block = nullptr;
    OptionsPage *m_options = nullptr;
    QList<CalculatorPage *> m_calculators; // in page order
    BrickPage *m_brick = nullptr;
    EditorPage *m_editor = nullptr;
    Tray *m_tray = nullptr;
    JobSession *m_jobs = nullptr;
    EstimateCommands *m_estimates = nullptr;
    OpenWindows *m_openWindows = nullptr;
    CloseReason m_closeReason = CloseReason::User;
    bool m_unloading = false;
    bool m_closing = false;
    bool m_focusCheckQueued = false;
    QMetaObject::Connection m_focusWatch;
};
