#pragma once
#include <QSize>
#include <functional>
#include <memory>

#include "combination/ComponentTable.h"
#include "shell/MainWindowSettings.h"
#include "windows/ToolWindow.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

namespace morvik {

class RowGraphWindow;

// The names and texts that tell the combination and the summation window apart.
struct TableWindowSetup {
    int formNumber;
    const char* grid;      // the table
    const char* openRow;   // the in-cell button that loads a histogram into a row
    const char* graphRow;  // the in-cell button that shows a row's histogram
    const char* openTable;
    const char* saveTable;
    const char* compute;
    const char* exit;
    const char* maxIntervals;  // the label with the result's interval count
    const char* tableSuffix;   // "kom" / "sum"
    int tableFileNameMessage;  // the suggested name of a new table file
    const char* resultName;    // the name the main window gives the result
    QSize fixedSize;
};

// A window over a table of component histograms: the grid, the in-cell buttons that load a row and show its
// graph, deleting a row, the table files and the computation. The table model holds every rule; the window
// forwards the user's actions to it, shows what it returns and mirrors its state in the widgets.
class ComponentTableWindow : public ToolWindow {
    Q_OBJECT
public:
    ComponentTableWindow(const TableWindowSetup& setup, std::unique_ptr<ComponentTable> table, WindowContext& context,
                         QWidget* parent);
    ~ComponentTableWindow() override;

    // Clears the table and shows the window, as the main window does when the user picks this tool.
    void Start();
    // The kind files without a "Type=" line are read as: the main window's current kind.
    void SetKindOfUntypedFiles(HistogramKind kind) { table_->SetKindOfUntypedFiles(kind); }

    // Where the main window's options come from (this window and its graph); by default the settings file.
    void SetMainOptions(const std::function<MainWindowSettings()>& options);

    const ComponentTable& Table() const { return *table_; }
    RowGraphWindow& GraphWindow() { return *graph_; }

    void ApplyLanguage(Language language) override;
    void ReadSettings() override;

protected:
    ComponentTable& MutableTable() { return *table_; }
    // The table's computation (combination or summation).
    virtual std::optional<Message> ComputeTable(const AskYesNoFn& ask) = 0;

    std::optional<PublishedResult> TakeResult() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void BuildWidgets();
    void ApplyColours();
    // Writes the model into the grid, the buttons and the interval-count label.
    void ShowTable();
    void ShowInCellButton(QToolButton* button, int row, int column);
    void HideInCellButtons();

    void CellSelected(int row, int column);
    void CellEdited(QTableWidgetItem* item);
    void LoadRowHistogram();
    void ShowRowGraph();
    void DeleteRow();
    void Compute();
    void SaveTableFile();
    void OpenTableFile();
    std::string TableFileFilter() const;

    TableWindowSetup setup_;
    std::unique_ptr<ComponentTable> table_;
    RowGraphWindow* graph_;
    QTableWidget* grid_ = nullptr;
    QToolButton* openRow_ = nullptr;
    QToolButton* graphRow_ = nullptr;
    QPushButton* openTable_ = nullptr;
    QPushButton* saveTable_ = nullptr;
    QPushButton* deleteRow_ = nullptr;
    QPushButton* compute_ = nullptr;
    QLabel* maxIntervals_ = nullptr;
    QLabel* maxIntervalsCaption_ = nullptr;
    bool showingTable_ = false;  // the grid is being filled: its change signals are not edits
};

}  // namespace morvik
