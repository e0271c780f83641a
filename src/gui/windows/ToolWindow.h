#pragma once
#include <QWidget>
#include <optional>
#include <string>

#include "histogram/Histogram.h"
#include "localization/TextCis.h"

namespace morvik {

struct WindowContext;
struct MainWindowColours;
class SettingsFile;
struct Folders;

// A histogram a tool window hands to the main window when it closes.
struct PublishedResult {
    Histogram histogram;
    HistogramKind kind = HistogramKind::Discrete;
    std::string name;       // "Kombinace", "Sumarizace", "ParRoz_" + type, ...
    std::string titleNote;  // the optional third title line
};

// A window the main window opens to make a new histogram (combination, summation, parametric distribution, ...).
// The main window is disabled while it is open; when it closes it offers its result, if it has one, and the
// main window takes it over and enables itself again.
//
// The window keeps its place in the settings file under its form number; a derived window adds its own keys by
// overriding ReadSettings / WriteSettings (and calling the base).
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(int formNumber, WindowContext& context, QWidget* parent = nullptr);

    int FormNumber() const { return formNumber_; }
    WindowContext& Context() { return context_; }
    SettingsFile& Settings();
    const Folders& AppFolders() const;

    // Applies the window's caption set in `language`; derived windows re-apply texts that depend on state.
    virtual void ApplyLanguage(Language language);

    // Restores the window's place (and derived settings) from the settings file.
    virtual void ReadSettings();
    // Stores them into the settings file (in memory; the program saves the file at its end).
    virtual void WriteSettings();

    // Takes the run's colours: the window's background, tables, labels and edits; a window with a chart also
    // redraws it in its colours. Called when the window shows and whenever the colours change.
    virtual void TakeColours(const MainWindowColours& colours);

signals:
    // Emitted on close when the window has a result to hand over.
    void resultReady(const morvik::PublishedResult& result);
    // Emitted on every close, after resultReady.
    void closed();

protected:
    // The result to hand over when the window closes, or nothing; called once per close.
    virtual std::optional<PublishedResult> TakeResult() { return std::nullopt; }
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int formNumber_;
    WindowContext& context_;
};

}  // namespace morvik

Q_DECLARE_METATYPE(morvik::PublishedResult)
