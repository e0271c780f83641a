#pragma once
#include <QWidget>
#include <string>

namespace morvik {

// The start-up window (TForm17): the program's name and version, shown over the main window for seven seconds
// whatever the user does, never in the way (it takes no input and closes itself).
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(const std::string& version, int milliseconds = 7000);
};

}  // namespace morvik
