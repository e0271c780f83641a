#include "editor/HistogramEditor.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "dialogs/DialogSeam.h"
#include "kit/Named.h"
#include "kit/NumericKeyFilter.h"
#include "kit/QtText.h"
#include "shell/Folders.h"
#include "statlib/MessageDialog.h"

namespace morvik {
namespace {

constexpr int EditorForm = 18;

QLineEdit* ReadOnlyEdit(const char* name)
{
    auto* edit = Named(new QLineEdit, name);
    edit->setReadOnly(true);
    return edit;
}

}  // namespace

HistogramEditor::HistogramEditor(WindowContext& context, QWidget* parent) : ToolWindow(EditorForm, context, parent)
{
    BuildControls();
    ConnectControls();
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

void HistogramEditor::BuildControls()
{
    Edit4 = Named(new QLineEdit, "Edit4");
    Edit1 = Named(new QLineEdit, "Edit1");
    Edit2 = Named(new QLineEdit, "Edit2");
    ComboBox1 = Named(new QComboBox, "ComboBox1");
    ComboBox1->addItems({QStringLiteral("Discrete"), QStringLiteral("Pure Discrete")});
    Memo1 = Named(new QPlainTextEdit, "Memo1");
    Edit3 = ReadOnlyEdit("Edit3");
    Edit5 = ReadOnlyEdit("Edit5");
    Edit6 = ReadOnlyEdit("Edit6");
    BitBtn1 = Named(new QPushButton(QStringLiteral("Cancel")), "BitBtn1");
    BitBtn2 = Named(new QPushButton(QStringLiteral("Save")), "BitBtn2");

    auto* fields = new QFormLayout;
    fields->addRow(Named(new QLabel(QStringLiteral("Název histogramu")), "Label1"), Edit4);
    fields->addRow(QStringLiteral("Min"), Edit1);
    fields->addRow(QStringLiteral("Max"), Edit2);
    fields->addRow(Named(new QLabel(QStringLiteral("Typ")), "Label6"), ComboBox1);
    fields->addRow(Named(new QLabel(QStringLiteral("Počet intervalů")), "Label7"), Edit3);
    fields->addRow(Named(new QLabel(QStringLiteral("Součet četností")), "Label4"), Edit5);
    fields->addRow(QStringLiteral("#"), Edit6);

    auto* memo = new QVBoxLayout;
    memo->addWidget(Named(new QLabel(QStringLiteral("Četnosti histogramu")), "Label5"));
    memo->addWidget(Memo1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);

    auto* body = new QHBoxLayout;
    body->addLayout(fields);
    body->addLayout(memo, 1);
    auto* window = new QVBoxLayout(this);
    window->addLayout(body, 1);
    window->addLayout(buttons);
}

void HistogramEditor::ConnectControls()
{
    for (QLineEdit* range : {Edit1, Edit2}) range->installEventFilter(new NumericKeyFilter(KeySet::Real, range));
    Edit4->installEventFilter(this);
    connect(Edit4, &QLineEdit::textEdited, this, [this](const QString& text) { model_.SetName(text.toStdString()); });
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) { model_.SetMin(text.toStdString()); });
    connect(Edit2, &QLineEdit::textChanged, this, [this](const QString& text) { model_.SetMax(text.toStdString()); });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int item) {
        model_.SetKind(item == 1 ? HistogramKind::PureDiscrete : HistogramKind::Discrete);
        Refresh();
    });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        const std::optional<Message> refusal =
            model_.SetFrequencies(HistogramEditorModel::MemoLines(Memo1->toPlainText().toStdString()));
        Refresh();
        if (refusal) ShowMessage(*refusal);
    });
    connect(Memo1, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        model_.ClickLine(Memo1->textCursor().blockNumber());
        Edit6->setText(ToQString(model_.ClickedLineText()));
    });
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(BitBtn2, &QPushButton::clicked, this, &HistogramEditor::SaveClick);
}

void HistogramEditor::Start()
{
    model_.Start();
    ShowStarted();
}

void HistogramEditor::StartCorrection(const Histogram& histogram, HistogramKind kind, const std::string& name)
{
    model_.StartCorrection(histogram, kind, name);
    ShowStarted();
}

void HistogramEditor::ShowStarted()
{
    handOver_.reset();
    savedFile_.clear();
    {
        // The fields show the model as it starts; their change signals would only tell it again.
        const QSignalBlocker quietMemo(Memo1);
        const QSignalBlocker quietKind(ComboBox1);
        const QSignalBlocker quietMin(Edit1);
        const QSignalBlocker quietMax(Edit2);
        QStringList lines;
        for (const std::string& line : model_.Lines()) lines << ToQString(line);
        Memo1->setPlainText(lines.join(QLatin1Char('\n')));
        ComboBox1->setCurrentIndex(model_.Kind() == HistogramKind::PureDiscrete ? 1 : 0);
        Edit1->setText(ToQString(model_.MinText()));
        Edit2->setText(ToQString(model_.MaxText()));
    }
    Edit4->setText(ToQString(model_.Name()));
    Edit6->clear();
    ApplyLanguage(CurrentLanguage());
    Refresh();
    show();
    raise();
    activateWindow();
    Edit4->setFocus(Qt::OtherFocusReason);
}

void HistogramEditor::Refresh()
{
    Edit3->setText(ToQString(model_.CountText()));
    Edit5->setText(ToQString(model_.TotalText()));
    Edit2->setVisible(model_.MaxVisible());
    if (Edit4->text() != ToQString(model_.Name())) Edit4->setText(ToQString(model_.Name()));
}

void HistogramEditor::SaveClick()
{
    model_.LeaveName();
    Refresh();
    if (const std::optional<Message> refusal = model_.CheckSave()) {
        ShowMessage(*refusal);
        return;
    }
    FileDialogRequest request;
    request.folder = AppFolders().ResultsFolder;
    request.filter = "Distributions Files (*.dis)|*.dis|All files (*.*)|*.*";
    request.defaultSuffix = "dis";
    request.fileName = model_.ProposedFileName();
    const std::optional<std::string> path = Dialogs().SaveFile(request);
    if (!path) return;
    if (QFileInfo::exists(ToQString(*path)) && !AskYesNo(HistogramEditorModel::OverwriteQuestion(*path).text)) return;
    EditorSave saved = model_.Save(*path);
    if (saved.message) {
        ShowMessage(*saved.message);  // nothing handed over: the editor stays open
        return;
    }
    handOver_ = std::move(saved.handOver);
    savedFile_ = handOver_->path;
    close();
}

std::optional<PublishedResult> HistogramEditor::TakeResult()
{
    if (!handOver_) return std::nullopt;
    PublishedResult result{handOver_->histogram, handOver_->kind, handOver_->name, std::string()};
    handOver_.reset();
    return result;
}

bool HistogramEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit4 && event->type() == QEvent::FocusOut) {
        model_.LeaveName();
        Refresh();
    }
    return ToolWindow::eventFilter(watched, event);
}

}  // namespace morvik
