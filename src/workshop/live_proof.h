#pragma once

#include <QObject>

class QDockWidget;

namespace qtfront {
class PictureLibrary;
}

namespace workshop {

class PackKeeper;
class PlaySession;
class ProofPanel;

// The live proof of the stage shown: the proof panel in its dock, proving
// each stage the pack shows and handing the answers it finds to the pack,
// and Stage ▸ Show Solution, which plays the proof's own solution.
class LiveProof : public QObject {
    Q_OBJECT
public:
    LiveProof(qtfront::PictureLibrary& pictures, QDockWidget* dock, PackKeeper& pack,
              PlaySession* play);

    ProofPanel* panel() const { return panel_; }
    // Plays the proof's solution of the stage shown, once it has one: Show
    // Solution proves nothing again.
    void showSolution();

signals:
    // For the status bar while Show Solution waits for the proof; empty: done.
    void waiting(const QString& message);

private:
    void showKnownSolution();

    PackKeeper& pack_;
    PlaySession* play_;
    ProofPanel* panel_;
    bool showWhenSolved_ = false;  // Show Solution waits for the proof under way
};

}  // namespace workshop
