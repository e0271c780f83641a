#include "combination/ComponentTableWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "chart/ChartColour.h"
#include "combination/RowGraph.h"
#include "combination/RowGraphWindow.h"
#include "combination/TableCellDelegate.h"
#include "dialogs/DialogSeam.h"
#include "kit/FormColours.h"
#include "localization/CaptionSets.h"
#include "localization/MessageNumbers.h"
#include "shell/MainWindowSettings.h"
#include "statlib/MessageDialog.h"
#include "windows/WindowContext.h"

namespace morvik {
namespace {

constexpr int RowHeight = 20;
constexpr const char* HistogramFileFilter = "Distributions Files (*.dis)|*.dis|All files (*.*)|*.*";

// Widths of the label, multiple, file name, Min, Max, interval count, folder, note and weight columns.
constexpr int ColumnWidths[] = {36, 70, 125, 75, 75, 72, 140, 90, 60};

bool AskYes(const Message& question)
{
    return DefMessageDlg(question.text, question.kind, DialogButtons::YesNo, DialogResultYes) == DialogResultYes;
}

QPushButton* MakeButton(const char* name, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QToolButton* MakeInCellButton(const char* name, QStyle::StandardPixmap icon, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setFocusPolicy(Qt::StrongFocus);
    button->hide();
    return button;
}

}  // namespace

ComponentTableWindow::ComponentTableWindow(const TableWindowSetup& setup, std::unique_ptr<ComponentTable> table,
                                           WindowContext& context, QWidget* parent)
    : ToolWindow(setup.formNumber, context, parent),
      setup_(setup),
      table_(std::move(table)),
      graph_(new RowGraphWindow(context, this))
{
    BuildWidgets();
    ApplyLanguage(CurrentLanguage());
    ApplyColours();
    ReadSettings();
}

ComponentTableWindow::~ComponentTableWindow() = default;

void ComponentTableWindow::BuildWidgets()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAutoFillBackground(true);
    openTable_ = MakeButton(setup_.openTable, panel);
    saveTable_ = MakeButton(setup_.saveTable, panel);
    deleteRow_ = MakeButton("DelRow", panel);
    compute_ = MakeButton(setup_.compute, panel);
    QPushButton* exit = MakeButton(setup_.exit, panel);
    maxIntervalsCaption_ = new QLabel(panel);
    maxIntervalsCaption_->setObjectName(QStringLiteral("Label16"));
    maxIntervals_ = new QLabel(QStringLiteral("0"), panel);
    maxIntervals_->setObjectName(QString::fromLatin1(setup_.maxIntervals));
    auto* commands = new QHBoxLayout(panel);
    commands->setContentsMargins(6, 4, 6, 4);
    for (QPushButton* button : {openTable_, saveTable_, deleteRow_, compute_}) commands->addWidget(button);
    commands->addStretch(1);
    commands->addWidget(maxIntervalsCaption_);
    commands->addWidget(maxIntervals_);
    commands->addSpacing(20);
    commands->addWidget(exit);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QString::fromLatin1(setup_.grid));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setItemDelegate(
        new TableCellDelegate([this](int column, char key) { return table_->FilterKey(column, key); }, grid_));

    openRow_ = MakeInCellButton(setup_.openRow, QStyle::SP_DialogOpenButton, grid_->viewport());
    graphRow_ = MakeInCellButton(setup_.graphRow, QStyle::SP_FileDialogContentsView, grid_->viewport());
    openRow_->installEventFilter(this);
    graphRow_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(panel);
    layout->addWidget(grid_, 1);

    connect(openTable_, &QPushButton::clicked, this, &ComponentTableWindow::OpenTableFile);
    connect(saveTable_, &QPushButton::clicked, this, &ComponentTableWindow::SaveTableFile);
    connect(deleteRow_, &QPushButton::clicked, this, &ComponentTableWindow::DeleteRow);
    connect(compute_, &QPushButton::clicked, this, &ComponentTableWindow::Compute);
    connect(exit, &QPushButton::clicked, this, &ComponentTableWindow::close);
    connect(openRow_, &QToolButton::clicked, this, &ComponentTableWindow::LoadRowHistogram);
    connect(graphRow_, &QToolButton::clicked, this, &ComponentTableWindow::ShowRowGraph);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { CellSelected(row, column); });
    connect(grid_, &QTableWidget::cellClicked, this, &ComponentTableWindow::CellSelected);
    connect(grid_, &QTableWidget::itemChanged, this, &ComponentTableWindow::CellEdited);
    // The in-cell buttons belong to a cell; they must not stay behind when it scrolls away.
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, &ComponentTableWindow::HideInCellButtons);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &ComponentTableWindow::HideInCellButtons);
}

void ComponentTableWindow::SetMainOptions(const std::function<MainWindowSettings()>& options)
{
    graph_->SetMainOptions(options);
    ApplyColours();
}

void ComponentTableWindow::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    const auto set = CaptionSet(FormNumber(), language);
    for (int column = 0; column < table_->Layout().columns; ++column) {
        if (const auto heading = FindCell(set, setup_.grid, column, 0))
            table_->SetHeading(column, std::string(*heading));
    }
    ShowTable();
    graph_->ApplyLanguage(language);
}

void ComponentTableWindow::ReadSettings()
{
    ToolWindow::ReadSettings();
    setFixedSize(setup_.fixedSize);
}

void ComponentTableWindow::ApplyColours()
{
    const MainWindowColours colours = graph_->MainOptions().colours;
    setAutoFillBackground(true);
    SetPaletteRole(this, QPalette::Window, colours.windowBackground);
    SetPaletteRole(findChild<QFrame*>(QStringLiteral("Panel1")), QPalette::Window, colours.toolPanel);
    SetPaletteRole(grid_, QPalette::Text, colours.panelText);
    SetPaletteRole(maxIntervalsCaption_, QPalette::WindowText, colours.panelText);
    SetPaletteRole(maxIntervals_, QPalette::WindowText, colours.panelText);
}

void ComponentTableWindow::Start()
{
    table_->Clear();
    HideInCellButtons();
    graph_->ClearSeries();
    ShowTable();
    ApplyColours();
    show();
    raise();
    activateWindow();
}

void ComponentTableWindow::ShowTable()
{
    showingTable_ = true;
    grid_->setRowCount(table_->Rows());
    grid_->setColumnCount(table_->Columns());
    for (int column = 0; column < grid_->columnCount() && column < std::ssize(ColumnWidths); ++column) {
        grid_->setColumnWidth(column, ColumnWidths[column]);
    }
    const QBrush headingBackground = palette().button();
    for (int row = 0; row < table_->Rows(); ++row) {
        for (int column = 0; column < table_->Columns(); ++column) {
            QTableWidgetItem* item = grid_->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                grid_->setItem(row, column, item);
            }
            item->setText(QString::fromStdString(table_->Cell(row, column)));
            const bool heading = row == 0 || column == 0;
            Qt::ItemFlags flags = Qt::ItemIsEnabled;
            if (!heading) flags |= Qt::ItemIsSelectable;
            if (table_->IsEditableCell(row, column)) flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            item->setBackground(heading ? headingBackground : QBrush());
        }
    }
    showingTable_ = false;
    deleteRow_->setEnabled(table_->DelRowEnabled());
    saveTable_->setEnabled(table_->SaveEnabled());
    compute_->setEnabled(table_->ComputeEnabled());
    maxIntervals_->setText(QString::number(table_->MaxIntervals()));
}

void ComponentTableWindow::CellSelected(int row, int column)
{
    if (showingTable_ || row < 0 || column < 0) return;
    const CellSelection selection = table_->SelectCell(row, column);
    maxIntervals_->setText(QString::number(table_->MaxIntervals()));
    HideInCellButtons();
    if (selection.offerOpenButton) ShowInCellButton(openRow_, row, column);
    if (selection.offerGraphButton) ShowInCellButton(graphRow_, row, column);
}

void ComponentTableWindow::ShowInCellButton(QToolButton* button, int row, int column)
{
    const QTableWidgetItem* item = grid_->item(row, column);
    if (!item) return;
    const QRect cell = grid_->visualItemRect(item);
    const int side = cell.height();
    button->setGeometry(cell.right() - side + 1, cell.top(), side, side);
    button->show();
    button->raise();
    button->setFocus();
}

void ComponentTableWindow::HideInCellButtons()
{
    // Hiding the focused button would pass the focus on as the Tab key does, which moves the current cell.
    if (openRow_->hasFocus() || graphRow_->hasFocus()) grid_->setFocus(Qt::OtherFocusReason);
    openRow_->hide();
    graphRow_->hide();
}

bool ComponentTableWindow::eventFilter(QObject* object, QEvent* event)
{
    // An in-cell button goes away when it loses the focus.
    if ((object == openRow_ || object == graphRow_) && event->type() == QEvent::FocusOut) {
        static_cast<QWidget*>(object)->hide();
    }
    return ToolWindow::eventFilter(object, event);
}

void ComponentTableWindow::CellEdited(QTableWidgetItem* item)
{
    if (showingTable_) return;
    const int row = item->row(), column = item->column();
    if (table_->SetCell(row, column, item->text().toStdString())) return;
    showingTable_ = true;
    item->setText(QString::fromStdString(table_->Cell(row, column)));
    showingTable_ = false;
}

void ComponentTableWindow::LoadRowHistogram()
{
    HideInCellButtons();
    FileDialogRequest request;
    request.folder = AppFolders().HistogramsRoot;
    request.filter = HistogramFileFilter;
    request.filterIndex = 1;
    request.defaultSuffix = "dis";
    const std::optional<std::string> path = Dialogs().OpenFile(request);
    if (!path) return;
    const std::optional<Message> refusal = table_->LoadRow(table_->SelectedRow(), *path, AppFolders().HistogramsRoot);
    ShowTable();
    if (refusal) ShowMessage(*refusal);
}

void ComponentTableWindow::ShowRowGraph()
{
    HideInCellButtons();
    const bool indexLabels = graph_->MainOptions().index1;
    if (const std::optional<GraphContent> graph = RowGraph(*table_, indexLabels)) graph_->ShowGraph(*graph);
}

void ComponentTableWindow::DeleteRow()
{
    if (!table_->CanDeleteRow()) return;
    if (!AskYes(table_->DeleteQuestion())) return;
    table_->DeleteSelectedRow();
    HideInCellButtons();
    ShowTable();
}

void ComponentTableWindow::Compute()
{
    const int resultsBefore = table_->ResultNumber();
    const std::optional<Message> refusal = ComputeTable(AskYes);
    ShowTable();  // the checks may have filled in or emptied multiples and weights
    if (refusal) {
        ShowMessage(*refusal);
        return;
    }
    if (table_->ResultNumber() == resultsBefore) return;
    const bool indexLabels = graph_->MainOptions().index1;
    graph_->ShowGraph(ResultGraph(table_->Result(), table_->Layout().kind, indexLabels));
}

std::string ComponentTableWindow::TableFileFilter() const
{
    const std::string suffix = setup_.tableSuffix;
    return "Distributions Files (*." + suffix + ")|*." + suffix + "|All files (*.*)|*.*";
}

void ComponentTableWindow::SaveTableFile()
{
    FileDialogRequest request;
    request.folder = AppFolders().ResultsFolder;
    request.fileName = TextCis(setup_.tableFileNameMessage);
    request.filter = TableFileFilter();
    request.filterIndex = 1;
    request.defaultSuffix = setup_.tableSuffix;
    const std::optional<std::string> path = Dialogs().SaveFile(request);
    if (!path) return;
    std::error_code error;
    if (std::filesystem::exists(*path, error)) {
        const std::string question = FormatText(msg::OverwriteQuestion, *path) + "\r\n";
        if (DefMessageDlg(question, DialogKind::Confirmation, DialogButtons::YesNo, DialogResultNo) !=
            DialogResultYes) {
            return;
        }
    }
    if (const std::optional<Message> failure = table_->SaveTable(*path)) ShowMessage(*failure);
}

void ComponentTableWindow::OpenTableFile()
{
    // The table is replaced only once a file has been chosen: cancelling the dialog keeps the rows.
    FileDialogRequest request;
    request.folder = AppFolders().ResultsFolder;
    request.filter = TableFileFilter();
    request.filterIndex = 1;
    request.defaultSuffix = setup_.tableSuffix;
    const std::optional<std::string> path = Dialogs().OpenFile(request);
    if (!path) return;
    HideInCellButtons();
    const std::optional<Message> failure = table_->OpenTable(*path);
    ShowTable();
    if (failure) ShowMessage(*failure);
}

std::optional<PublishedResult> ComponentTableWindow::TakeResult()
{
    if (!table_->Done()) return std::nullopt;
    PublishedResult result;
    result.histogram = table_->Result();
    result.kind = HistogramKind::Discrete;
    result.name = setup_.resultName;
    return result;
}

void ComponentTableWindow::closeEvent(QCloseEvent* event)
{
    HideInCellButtons();
    graph_->ClearSeries();
    if (graph_->isVisible()) graph_->close();
    ToolWindow::closeEvent(event);
}

}  // namespace morvik
