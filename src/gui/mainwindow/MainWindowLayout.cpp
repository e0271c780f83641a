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
#include "localization/MainWindowTexts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/NumericEditFilter.h"
#include "shell/ReOpenStack.h"

namespace morvik {
namespace {

QTableWidget* MakeGrid(QWidget* parent, const char* name, int rows, int columns)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) grid->setItem(row, column, new QTableWidgetItem);
    }
    return grid;
}

// A grid of label/value rows sized to show all its rows without scrolling.
void FitGridHeight(QTableWidget* grid)
{
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedHeight(grid->rowCount() * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
}

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

    QMenu* file = menu(nullptr, "Soubor1");
    AddAction(file, "Novyhistogram1")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddAction(file, "Otevthistogram1")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QMenu* reopen = menu(file, "ReOpen1");
    for (int index = 0; index < ReOpenStack::Capacity; ++index) {
        QAction* item = AddAction(reopen, ReOpenItemName(index).c_str());
        item->setData(index + 1);  // the tag: entry tag - 1
        connect(item, &QAction::triggered, this, [this, index] { ReOpClick(index); });
    }
    file->addSeparator();
    AddAction(file, "PopisVysledku1");
    AddAction(file, "VypisVstHist");
    AddAction(file, "OtevriWord1");
    file->addSeparator();
    QMenu* save = menu(file, "Ulozit1");
    AddAction(save, "Ulozit3")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AddAction(save, "Ulozit2")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    AddAction(save, "UlozGraf1");
    AddAction(save, "UlozOkno1");
    AddAction(file, "KrivkaTrvZat")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    AddAction(file, "BChar1");
    AddAction(file, "AbsHodHist1");
    file->addSeparator();
    AddAction(file, "Konec1");

    QMenu* setup = menu(nullptr, "Nastaven1");
    AddAction(setup, "Barvy1");
    AddAction(setup, "DefaultNast1");
    AddAction(setup, "Zasobnik1");
    setup->addSeparator();
    auto exclusive = [&](QMenu* parent, std::initializer_list<const char*> names) {
        auto* group = new QActionGroup(this);
        for (const char* name : names) {
            QAction* item = AddAction(parent, name);
            item->setCheckable(true);
            group->addAction(item);
        }
    };
    exclusive(menu(setup, "BarZvy"), {"Ano1", "Ne1"});
    exclusive(menu(setup, "BottomAxis"), {"index1", "NonIndex"});
    exclusive(menu(setup, "DateSeparator1"), {"tecka1", "minus1", "lomitko1"});
    exclusive(menu(setup, "TimeSeparator1"), {"tecka2", "dvojtecka1"});
    for (const char* name : {"KontVypis", "PrikazRadka1", "TCharCom"}) AddAction(setup, name)->setCheckable(true);
    AddAction(setup, "VypisIniSouboru");
    setup->addSeparator();
    AddAction(setup, "VolejPicture1");
    AddAction(setup, "ProhlSoubor1");
    AddAction(setup, "TextAdobe");

    QMenu* language = menu(nullptr, "Jazyk1");
    exclusive(language, {"Cestina", "Anglictina"});

    QMenu* help = menu(nullptr, "Napoveda1");
    exclusive(help, {"HTML1", "WIN1"});
    help->addSeparator();
    AddAction(help, "OAdresach1")->setShortcut(QKeySequence(Qt::Key_F3));
    AddAction(help, "OVerzi1")->setShortcut(QKeySequence(Qt::Key_F2));
    AddAction(help, "OProgramu1")->setShortcut(QKeySequence(Qt::Key_F1));

    // The pop-up menus of the results and graph buttons.
    auto* results = new QMenu(this);
    results->setObjectName(QStringLiteral("PopupMenu1"));
    exclusive(results, {"SouborText", "SouborWord"});
    auto* graph = new QMenu(this);
    graph->setObjectName(QStringLiteral("PopupMenu2"));
    QMenu* graphTo = menu(graph, "Nastaven2");
    AddAction(graphTo, "Schranka");
}

void MainWindow::BuildToolPanel()
{
    toolPanel_ = new QWidget(this);
    toolPanel_->setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QHBoxLayout(toolPanel_);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    toolPanel_->installEventFilter(this);
    AddToolButton(toolPanel_, "BNovy", "Novyhistogram1", QStyle::SP_FileIcon);
    AddToolButton(toolPanel_, "BitBtn1", "Otevthistogram1", QStyle::SP_DialogOpenButton);
    auto* reopen = new QToolButton(toolPanel_);
    reopen->setObjectName(QStringLiteral("SpeedButton1"));
    reopen->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    reopen->setAutoRaise(true);
    layout->addWidget(reopen);
    connect(reopen, &QToolButton::clicked, this, &MainWindow::SpeedButton1Click);
    AddToolButton(toolPanel_, "UlozHist", "Ulozit3", QStyle::SP_DialogSaveButton);
    QToolButton* results = AddToolButton(toolPanel_, "UlozVysl", "Ulozit2", QStyle::SP_FileDialogContentsView);
    results->setMenu(findChild<QMenu*>(QStringLiteral("PopupMenu1")));
    results->setPopupMode(QToolButton::MenuButtonPopup);
    QToolButton* graph = AddToolButton(toolPanel_, "UlozGraf", "UlozGraf1", QStyle::SP_DesktopIcon);
    graph->setMenu(findChild<QMenu*>(QStringLiteral("PopupMenu2")));
    graph->setPopupMode(QToolButton::MenuButtonPopup);
    AddToolButton(toolPanel_, "UlozOkno", "UlozOkno1", QStyle::SP_ComputerIcon);
    AddToolButton(toolPanel_, "Popis", "PopisVysledku1", QStyle::SP_FileDialogInfoView);
    AddToolButton(toolPanel_, "VypisHist", "VypisVstHist", QStyle::SP_FileDialogListView);
    AddToolButton(toolPanel_, "KrivkaTrvani", "KrivkaTrvZat", QStyle::SP_ArrowUp);
    AddToolButton(toolPanel_, "OtevriWord", "OtevriWord1", QStyle::SP_FileLinkIcon);
    layout->addSpacing(8);
    AddToolButton(toolPanel_, "BitBtn8", "Barvy1", QStyle::SP_DriveDVDIcon);
    AddToolButton(toolPanel_, "BitBtn9", "DefaultNast1", QStyle::SP_BrowserReload);
    AddToolButton(toolPanel_, "BitBtn11", "Zasobnik1", QStyle::SP_TrashIcon);
    AddToolButton(toolPanel_, "VolejPicture", "VolejPicture1", QStyle::SP_DirIcon);
    AddToolButton(toolPanel_, "BitBtn2", "ProhlSoubor1", QStyle::SP_DirOpenIcon);
    AddToolButton(toolPanel_, "BitBtn37", "TextAdobe", QStyle::SP_DirLinkIcon);
    layout->addSpacing(8);
    AddToolButton(toolPanel_, "OAdresach", "OAdresach1", QStyle::SP_DirHomeIcon);
    AddToolButton(toolPanel_, "OVerzi", "OVerzi1", QStyle::SP_MessageBoxInformation);
    AddToolButton(toolPanel_, "OProgramu", "OProgramu1", QStyle::SP_TitleBarContextHelpButton);
    layout->addStretch(1);
    AddToolButton(toolPanel_, "BitBtn10", "Konec1", QStyle::SP_DialogCloseButton);
}

void MainWindow::BuildInputPanel()
{
    inputPanel_ = new QGroupBox(this);
    inputPanel_->setObjectName(QStringLiteral("GroupBox1"));
    auto* layout = new QGridLayout(inputPanel_);
    layout->setContentsMargins(6, 4, 6, 4);
    edit1_ = MakeEdit(inputPanel_, "Edit1");
    edit1_->setReadOnly(true);
    edit1_->setMinimumWidth(160);
    edit3_ = MakeEdit(inputPanel_, "Edit3");
    edit3_->setMaximumWidth(90);
    editMin_ = MakeEdit(inputPanel_, "EditMin");
    editMax_ = MakeEdit(inputPanel_, "EditMax");
    for (QLineEdit* edit : {editMin_, editMax_}) edit->setMaximumWidth(120);
    grid4_ = MakeGrid(inputPanel_, "StringGrid4", 3, 2);
    grid4_->setColumnWidth(0, 150);
    grid4_->setMinimumWidth(260);
    FitGridHeight(grid4_);
    cbTypHist_ = new QComboBox(inputPanel_);
    cbTypHist_->setObjectName(QStringLiteral("CBTypHist"));
    auto* abs = new QToolButton(inputPanel_);
    abs->setObjectName(QStringLiteral("AbsHodHist"));
    connect(abs, &QToolButton::clicked, this, &MainWindow::AbsHodHistClick);

    auto* minLabel = new QLabel(QStringLiteral("Min"), inputPanel_);
    auto* maxLabel = new QLabel(QStringLiteral("Max"), inputPanel_);
    layout->addWidget(edit1_, 0, 0, 1, 2);
    layout->addWidget(MakeLabel(inputPanel_, "Label19"), 1, 0);
    layout->addWidget(edit3_, 1, 1);
    layout->addWidget(minLabel, 0, 2);
    layout->addWidget(editMin_, 0, 3);
    layout->addWidget(maxLabel, 1, 2);
    layout->addWidget(editMax_, 1, 3);
    layout->addWidget(grid4_, 0, 4, 2, 1);
    layout->addWidget(cbTypHist_, 0, 5);
    layout->addWidget(abs, 1, 5);
    layout->setColumnStretch(6, 1);
}

void MainWindow::BuildResultPanel()
{
    resultPanel_ = new QGroupBox(this);
    resultPanel_->setObjectName(QStringLiteral("GroupBox2"));
    auto* layout = new QVBoxLayout(resultPanel_);
    layout->setContentsMargins(6, 4, 6, 4);
    grid3_ = AddResultGrid(resultPanel_, layout, "StringGrid3", 5);
    layout->addWidget(MakeLabel(resultPanel_, "Label13"), 0, Qt::AlignHCenter);
    editXY_ = MakeEdit(resultPanel_, "EditXY");
    layout->addWidget(editXY_);
    grid5_ = AddResultGrid(resultPanel_, layout, "StringGrid5", 2);
    layout->addWidget(MakeLabel(resultPanel_, "Label14"), 0, Qt::AlignHCenter);
    editP_ = MakeEdit(resultPanel_, "EditP");
    layout->addWidget(editP_);
    grid6_ = AddResultGrid(resultPanel_, layout, "StringGrid6", 1);
    auto* bchar = new QToolButton(resultPanel_);
    bchar->setObjectName(QStringLiteral("BChar"));
    connect(bchar, &QToolButton::clicked, this, &MainWindow::BCharClick);
    layout->addWidget(bchar);

    auto* options = new QGridLayout;
    cbValInd_ = new QComboBox(resultPanel_);
    cbValInd_->setObjectName(QStringLiteral("CBValInd"));
    cbValInd_->addItems({QString(), QString()});
    cbMarks_ = new QComboBox(resultPanel_);
    cbMarks_->setObjectName(QStringLiteral("CBMarks"));
    for (const std::string& item : CBMarksItems()) cbMarks_->addItem(QString::fromStdString(item));
    checkBox1_ = new QCheckBox(resultPanel_);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    spinEdAngle_ = new QSpinBox(resultPanel_);
    spinEdAngle_->setObjectName(QStringLiteral("SpinEdAngle"));
    spinEdAngle_->setRange(0, 360);
    options->addWidget(cbValInd_, 0, 0);
    options->addWidget(cbMarks_, 0, 1);
    options->addWidget(checkBox1_, 1, 0, 1, 2);
    options->addWidget(MakeLabel(resultPanel_, "Label1"), 2, 0);
    options->addWidget(spinEdAngle_, 2, 1);
    options->addWidget(MakeLabel(resultPanel_, "Label2"), 3, 0);
    layout->addLayout(options);
    layout->addStretch(1);
    resultPanel_->setFixedWidth(256);

    for (QLineEdit* edit : {edit3_, editMin_, editMax_, editXY_, editP_}) {
        edit->installEventFilter(new NumericEditFilter(edit));
        edit->installEventFilter(this);
    }
}

void MainWindow::BuildCentre()
{
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("Centre"));
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    layout->addWidget(toolPanel_);
    layout->addWidget(inputPanel_);
    auto* body = new QHBoxLayout;
    chart_ = new ChartView(centre);
    chart_->setObjectName(QStringLiteral("Chart1"));
    chart_->setMinimumSize(300, 200);
    chartToolbar_ = new ChartToolbar(chart_);
    grid2_ = MakeGrid(centre, "StringGrid2", 0, 3);
    grid2_->setFixedWidth(244);
    grid2_->setColumnWidth(0, 44);
    grid2_->setColumnWidth(1, 92);
    body->addWidget(chart_, 1);
    body->addWidget(grid2_);
    body->addWidget(resultPanel_);
    layout->addLayout(body, 1);
    setCentralWidget(centre);

    // The ReOpen table lies over the chart while it is shown.
    grid1_ = MakeGrid(centre, "StringGrid1", 1, 5);
    grid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid1_->setFocusPolicy(Qt::StrongFocus);
    grid1_->hide();
    grid1_->installEventFilter(this);
    connect(grid1_, &QTableWidget::cellClicked, this, [this](int row, int) { StringGrid1Click(row); });
}

void MainWindow::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    clockPanel_ = new QLabel(bar);
    clockPanel_->setObjectName(QStringLiteral("StatusClock"));
    clockPanel_->setMinimumWidth(70);
    hintPanel_ = new QLabel(bar);
    hintPanel_->setObjectName(QStringLiteral("StatusHint"));
    bar->addWidget(clockPanel_);
    bar->addWidget(hintPanel_, 1);
}

}  // namespace morvik
