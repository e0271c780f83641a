// Building the main window: menus, the tool panel, the input and result panels, the chart with the interval
// table, and the status bar. Every element carries the objectName the rest of the program knows it by.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart/ChartToolbar.h"
#include "chart/ChartView.h"
#include "kit/ChartOptions.h"
#include "kit/GraphExportMenu.h"
#include "kit/Grids.h"
#include "kit/IntervalTableView.h"
#include "kit/NumericKeyFilter.h"
#include "localization/MainWindowNames.h"
#include "localization/MainWindowTexts.h"
#include "mainwindow/MainWindow.h"
#include "shell/ReOpenStack.h"

namespace morvik {
namespace {

// A label/value grid of the result panel, as tall as its rows.
QTableWidget* AddResultGrid(QWidget* panel, QVBoxLayout* layout, const char* name, int rows)
{
    QTableWidget* grid = MakeGrid(panel, name, rows, 2);
    grid->setColumnWidth(0, 150);
    FitGridHeight(grid);
    layout->addWidget(grid);
    return grid;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

QAction* MainWindow::AddAction(QMenu* menu, const char* name, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

QAction* MainWindow::Act(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

QToolButton* MainWindow::AddToolButton(QWidget* panel, const char* name, const char* actionName, int icon)
{
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)));
    button->setAutoRaise(true);
    panel->layout()->addWidget(button);
    if (QAction* action = Act(actionName)) {
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        button->setEnabled(action->isEnabled());
        connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    }
    return button;
}

void MainWindow::BuildMenus()
{
    QMenuBar* bar = menuBar();
    auto menu = [&](QMenu* parent, const char* name) {
        QMenu* created = parent ? parent->addMenu(QString()) : bar->addMenu(QString());
        created->setObjectName(QString::fromLatin1(name));
        return created;
    };

    QMenu* file = menu(nullptr, names::Soubor1);
    AddAction(file, names::Novyhistogram1)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddAction(file, names::Otevthistogram1)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QMenu* reopen = menu(file, names::ReOpen1);
    for (int index = 0; index < ReOpenStack::Capacity; ++index) {
        QAction* item = AddAction(reopen, ReOpenItemName(index).c_str());
        item->setData(index + 1);  // the tag: entry tag - 1
        connect(item, &QAction::triggered, this, [this, index] { ReOpenItemClick(index); });
    }
    file->addSeparator();
    AddAction(file, names::PopisVysledku1);
    AddAction(file, names::VypisVstHist);
    AddAction(file, names::OtevriWord1);
    file->addSeparator();
    QMenu* save = menu(file, names::Ulozit1);
    AddAction(save, names::Ulozit3)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AddAction(save, names::Ulozit2)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    AddAction(save, names::UlozGraf1);
    AddAction(save, names::UlozOkno1);
    AddAction(file, names::KrivkaTrvZat)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    AddAction(file, names::BChar1);
    AddAction(file, names::AbsHodHist1);
    file->addSeparator();
    AddAction(file, names::Konec1);

    QMenu* setup = menu(nullptr, names::Nastaven1);
    AddAction(setup, names::Barvy1);
    AddAction(setup, names::DefaultNast1);
    AddAction(setup, names::Zasobnik1);
    setup->addSeparator();
    auto exclusive = [&](QMenu* parent, std::initializer_list<const char*> names) {
        auto* group = new QActionGroup(this);
        for (const char* name : names) {
            QAction* item = AddAction(parent, name);
            item->setCheckable(true);
            group->addAction(item);
        }
    };
    exclusive(menu(setup, names::BarZvy), {names::Ano1, names::Ne1});
    exclusive(menu(setup, names::BottomAxis), {names::index1, names::NonIndex});
    exclusive(menu(setup, names::DateSeparator1), {names::tecka1, names::minus1, names::lomitko1});
    exclusive(menu(setup, names::TimeSeparator1), {names::tecka2, names::dvojtecka1});
    for (const char* name : {names::KontVypis, names::PrikazRadka1, names::TCharCom})
        AddAction(setup, name)->setCheckable(true);
    AddAction(setup, names::VypisIniSouboru);
    setup->addSeparator();
    AddAction(setup, names::VolejPicture1);
    AddAction(setup, names::ProhlSoubor1);
    AddAction(setup, names::TextAdobe);

    QMenu* language = menu(nullptr, names::Jazyk1);
    exclusive(language, {names::Cestina, names::Anglictina});

    QMenu* help = menu(nullptr, names::Napoveda1);
    exclusive(help, {names::HTML1, names::WIN1});
    help->addSeparator();
    AddAction(help, names::OAdresach1)->setShortcut(QKeySequence(Qt::Key_F3));
    AddAction(help, names::OVerzi1)->setShortcut(QKeySequence(Qt::Key_F2));
    AddAction(help, names::OProgramu1)->setShortcut(QKeySequence(Qt::Key_F1));

    // The pop-up menus of the results and graph buttons.
    auto* results = new QMenu(this);
    results->setObjectName(QString::fromLatin1(names::PopupMenu1));
    exclusive(results, {names::SouborText, names::SouborWord});
    auto* graph = new QMenu(this);
    graph->setObjectName(QString::fromLatin1(names::PopupMenu2));
    QMenu* graphTo = menu(graph, names::Nastaven2);
    AddGraphTargetItems(graphTo);
}

void MainWindow::BuildToolPanel()
{
    toolPanel_ = new QWidget(this);
    toolPanel_->setObjectName(QString::fromLatin1(names::Panel1));
    auto* layout = new QHBoxLayout(toolPanel_);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    toolPanel_->installEventFilter(this);
    AddToolButton(toolPanel_, names::BNovy, names::Novyhistogram1, QStyle::SP_FileIcon);
    AddToolButton(toolPanel_, names::BitBtn1, names::Otevthistogram1, QStyle::SP_DialogOpenButton);
    auto* reopen = new QToolButton(toolPanel_);
    reopen->setObjectName(QString::fromLatin1(names::SpeedButton1));
    reopen->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    reopen->setAutoRaise(true);
    layout->addWidget(reopen);
    connect(reopen, &QToolButton::clicked, this, &MainWindow::ReOpenTableButtonClick);
    AddToolButton(toolPanel_, names::UlozHist, names::Ulozit3, QStyle::SP_DialogSaveButton);
    QToolButton* results =
        AddToolButton(toolPanel_, names::UlozVysl, names::Ulozit2, QStyle::SP_FileDialogContentsView);
    results->setMenu(findChild<QMenu*>(QString::fromLatin1(names::PopupMenu1)));
    results->setPopupMode(QToolButton::MenuButtonPopup);
    QToolButton* graph = AddToolButton(toolPanel_, names::UlozGraf, names::UlozGraf1, QStyle::SP_DesktopIcon);
    graph->setMenu(findChild<QMenu*>(QString::fromLatin1(names::PopupMenu2)));
    graph->setPopupMode(QToolButton::MenuButtonPopup);
    AddToolButton(toolPanel_, names::UlozOkno, names::UlozOkno1, QStyle::SP_ComputerIcon);
    AddToolButton(toolPanel_, names::Popis, names::PopisVysledku1, QStyle::SP_FileDialogInfoView);
    AddToolButton(toolPanel_, names::VypisHist, names::VypisVstHist, QStyle::SP_FileDialogListView);
    AddToolButton(toolPanel_, names::KrivkaTrvani, names::KrivkaTrvZat, QStyle::SP_ArrowUp);
    AddToolButton(toolPanel_, names::OtevriWord, names::OtevriWord1, QStyle::SP_FileLinkIcon);
    layout->addSpacing(8);
    AddToolButton(toolPanel_, names::BitBtn8, names::Barvy1, QStyle::SP_DriveDVDIcon);
    AddToolButton(toolPanel_, names::BitBtn9, names::DefaultNast1, QStyle::SP_BrowserReload);
    AddToolButton(toolPanel_, names::BitBtn11, names::Zasobnik1, QStyle::SP_TrashIcon);
    AddToolButton(toolPanel_, names::VolejPicture, names::VolejPicture1, QStyle::SP_DirIcon);
    AddToolButton(toolPanel_, names::BitBtn2, names::ProhlSoubor1, QStyle::SP_DirOpenIcon);
    AddToolButton(toolPanel_, names::BitBtn37, names::TextAdobe, QStyle::SP_DirLinkIcon);
    layout->addSpacing(8);
    AddToolButton(toolPanel_, names::OAdresach, names::OAdresach1, QStyle::SP_DirHomeIcon);
    AddToolButton(toolPanel_, names::OVerzi, names::OVerzi1, QStyle::SP_MessageBoxInformation);
    AddToolButton(toolPanel_, names::OProgramu, names::OProgramu1, QStyle::SP_TitleBarContextHelpButton);
    layout->addStretch(1);
    AddToolButton(toolPanel_, names::BitBtn10, names::Konec1, QStyle::SP_DialogCloseButton);
}

void MainWindow::BuildInputPanel()
{
    inputPanel_ = new QGroupBox(this);
    inputPanel_->setObjectName(QString::fromLatin1(names::GroupBox1));
    auto* layout = new QGridLayout(inputPanel_);
    layout->setContentsMargins(6, 4, 6, 4);
    nameEdit_ = MakeEdit(inputPanel_, names::Edit1);
    nameEdit_->setReadOnly(true);
    nameEdit_->setMinimumWidth(160);
    multipleEdit_ = MakeEdit(inputPanel_, names::Edit3);
    multipleEdit_->setMaximumWidth(90);
    minEdit_ = MakeEdit(inputPanel_, names::EditMin);
    maxEdit_ = MakeEdit(inputPanel_, names::EditMax);
    for (QLineEdit* edit : {minEdit_, maxEdit_}) edit->setMaximumWidth(120);
    inputGrid_ = MakeGrid(inputPanel_, names::StringGrid4, 3, 2);
    inputGrid_->setColumnWidth(0, 150);
    inputGrid_->setMinimumWidth(260);
    FitGridHeight(inputGrid_);
    toolChoice_ = new QComboBox(inputPanel_);
    toolChoice_->setObjectName(QString::fromLatin1(names::CBTypHist));
    auto* abs = new QToolButton(inputPanel_);
    abs->setObjectName(QString::fromLatin1(names::AbsHodHist));
    connect(abs, &QToolButton::clicked, this, &MainWindow::AbsoluteValueClick);

    auto* minLabel = new QLabel(QStringLiteral("Min"), inputPanel_);
    auto* maxLabel = new QLabel(QStringLiteral("Max"), inputPanel_);
    layout->addWidget(nameEdit_, 0, 0, 1, 2);
    layout->addWidget(MakeLabel(inputPanel_, names::Label19), 1, 0);
    layout->addWidget(multipleEdit_, 1, 1);
    layout->addWidget(minLabel, 0, 2);
    layout->addWidget(minEdit_, 0, 3);
    layout->addWidget(maxLabel, 1, 2);
    layout->addWidget(maxEdit_, 1, 3);
    layout->addWidget(inputGrid_, 0, 4, 2, 1);
    layout->addWidget(toolChoice_, 0, 5);
    layout->addWidget(abs, 1, 5);
    layout->setColumnStretch(6, 1);
}

void MainWindow::BuildResultPanel()
{
    resultPanel_ = new QGroupBox(this);
    resultPanel_->setObjectName(QString::fromLatin1(names::GroupBox2));
    auto* layout = new QVBoxLayout(resultPanel_);
    layout->setContentsMargins(6, 4, 6, 4);
    resultGrid_ = AddResultGrid(resultPanel_, layout, names::StringGrid3, 5);
    layout->addWidget(MakeLabel(resultPanel_, names::Label13), 0, Qt::AlignHCenter);
    valueEdit_ = MakeEdit(resultPanel_, names::EditXY);
    layout->addWidget(valueEdit_);
    valueGrid_ = AddResultGrid(resultPanel_, layout, names::StringGrid5, 2);
    layout->addWidget(MakeLabel(resultPanel_, names::Label14), 0, Qt::AlignHCenter);
    quantileEdit_ = MakeEdit(resultPanel_, names::EditP);
    layout->addWidget(quantileEdit_);
    quantileGrid_ = AddResultGrid(resultPanel_, layout, names::StringGrid6, 1);
    auto* bchar = new QToolButton(resultPanel_);
    bchar->setObjectName(QString::fromLatin1(names::BChar));
    connect(bchar, &QToolButton::clicked, this, &MainWindow::CharacteristicsClick);
    layout->addWidget(bchar);

    auto* options = new QGridLayout;
    const ChartOptions chartOptions = MakeChartOptions(resultPanel_);
    labelKinds_ = chartOptions.CBValInd;
    markStyles_ = chartOptions.CBMarks;
    marksShown_ = chartOptions.CheckBox1;
    angle_ = chartOptions.SpinEdAngle;
    options->addWidget(labelKinds_, 0, 0);
    options->addWidget(markStyles_, 0, 1);
    options->addWidget(marksShown_, 1, 0, 1, 2);
    options->addWidget(chartOptions.Label1, 2, 0);
    options->addWidget(angle_, 2, 1);
    options->addWidget(chartOptions.Label2, 3, 0);
    layout->addLayout(options);
    layout->addStretch(1);
    // As wide as its grids need; the chart takes what the window grows by.
    resultPanel_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    for (QLineEdit* edit : {multipleEdit_, minEdit_, maxEdit_, valueEdit_, quantileEdit_}) {
        edit->installEventFilter(new NumericKeyFilter(KeySet::Real, edit));
        edit->installEventFilter(this);
    }
}

void MainWindow::BuildCentre()
{
    auto* centre = new QWidget(this);
    centre->setObjectName(QString::fromLatin1(names::Centre));
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    layout->addWidget(toolPanel_);
    layout->addWidget(inputPanel_);
    auto* body = new QHBoxLayout;
    chart_ = new ChartView(centre);
    chart_->setObjectName(QString::fromLatin1(names::Chart1));
    chart_->setMinimumSize(300, 200);
    chartToolbar_ = new ChartToolbar(chart_);
    intervalTable_ = new IntervalTableView(centre, names::StringGrid2);
    intervalTable_->setFixedWidth(IntervalTableWidth);
    intervalTable_->setColumnWidth(0, 44);
    intervalTable_->setColumnWidth(1, 92);
    body->addWidget(chart_, 1);
    body->addWidget(intervalTable_);
    body->addWidget(resultPanel_);
    layout->addLayout(body, 1);
    setCentralWidget(centre);

    // The ReOpen table lies over the chart while it is shown.
    reOpenTable_ = MakeGrid(centre, names::StringGrid1, 1, 5);
    reOpenTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    reOpenTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    reOpenTable_->setFocusPolicy(Qt::StrongFocus);
    reOpenTable_->hide();
    reOpenTable_->installEventFilter(this);
    connect(reOpenTable_, &QTableWidget::cellClicked, this, [this](int row, int) { ReOpenTableClick(row); });
}

void MainWindow::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QString::fromLatin1(names::StatusBar1));
    clockPanel_ = new QLabel(bar);
    clockPanel_->setObjectName(QString::fromLatin1(names::StatusClock));
    clockPanel_->setMinimumWidth(70);
    hintPanel_ = new QLabel(bar);
    hintPanel_->setObjectName(QString::fromLatin1(names::StatusHint));
    bar->addWidget(clockPanel_);
    bar->addWidget(hintPanel_, 1);
}

}  // namespace morvik
