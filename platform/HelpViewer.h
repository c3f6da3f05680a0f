#pragma once
// The program's help window and the help service that opens it by context number.

#include "platform/HelpFile.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <vector>

class QPushButton;
class QTextEdit;
class TSpokenNotice;

// A top-level window that shows one topic of the help file at a time, titled
// by the topic. It reads the file anew for every topic it shows, so an edited
// file is seen at once; a missing file or topic is said in the window itself.
// Escape closes it.
class THelpViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit THelpViewer(const QString& AHelpFile, QWidget* AParent = nullptr);
    ~THelpViewer() override;

    QString HelpFile() const { return FHelpFile; }
    // The number of the topic on show, or 0 before the first one.
    int CurrentTopic() const { return FTopic; }
    QTextEdit* Browser() const { return FBrowser; }
    QPushButton* BackButton() const { return FBackButton; }
    QPushButton* ContentsButton() const { return FContentsButton; }

    // Shows the topic, brings the window to the front and leaves it open.
    void ShowTopic(int AContext);

private:
    void GoToTopic(int AContext);
    void GoBack();
    void Show(int AContext);
    void LinkClicked(const QUrl& AUrl);
    void FollowModalWindow();

    QString FHelpFile;
    int FTopic = 0;
    std::vector<int> FHistory; // the topics shown before, for Back
    QTextEdit* FBrowser = nullptr;
    QPushButton* FBackButton = nullptr;
    QPushButton* FContentsButton = nullptr;
    TSpokenNotice* FNotice = nullptr;
};

// Owns the one help window of the program and answers the application's help
// requests (Application::ShowHelpContext) while it exists. The window is
// created on the first request and then reused.
class THelpSystem {
public:
    explicit THelpSystem(QString AHelpFile = DefaultHelpFilePath());
    THelpSystem(const THelpSystem&) = delete;
    THelpSystem& operator=(const THelpSystem&) = delete;
    ~THelpSystem();

    void ShowContext(int AContext);
    // The help window, or null before the first request.
    THelpViewer* Viewer() const { return FViewer.get(); }

private:
    QString FHelpFile;
    std::unique_ptr<THelpViewer> FViewer;
};
