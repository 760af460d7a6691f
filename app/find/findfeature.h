#pragma once

#include "app/shell/featurecontext.h"

#include <QList>
#include <QObject>
#include <QString>

#include <vector>

class CounterFlash;
class MapFeature;
class MapOverlay;
class OrderOfBattleDock;
class PlayFeature;
class QAction;
class QLabel;
class QLineEdit;
class QStringListModel;
class StackViewer;
class ZeKCounter;

// Finding counters: the Find field with its completion (Ctrl+F), F3 and Shift+F3, the order
// of battle dock (Ctrl+B), showing a counter on the map with a flash, and the stack viewer
// that shows the whole stack under a resting pointer.
class FindFeature : public QObject {
    Q_OBJECT
public:
    // `speedBar` keeps its width while the order of battle is docked beside it.
    FindFeature(const FeatureContext& context, MapFeature& mapFeature, PlayFeature& play,
                QWidget& speedBar);

    // For the Korva tool bar, in order: the Find field, what it found, the order of battle.
    QList<QAction*> toolBarActions() const { return toolBarActions_; }
    OrderOfBattleDock& orderOfBattleDock() { return *orderOfBattleDock_; }
    // The found counter's flash, over the map.
    QList<MapOverlay*> overlays() const;
    StackViewer& stackViewer() { return *stackViewer_; }
    QLineEdit& findEdit() { return *findEdit_; }
    // What the last search found, or why it found nothing.
    QString findStatus() const;

    // The first counter whose name the words match, then +1 / -1 through the matches.
    void findFirst(const QString& query);
    void findNext(int direction);
    // Centres the view on the counter's hex (1-based order-of-battle row), flashes it and
    // puts the hex cursor there.
    void showCounter(int row);

private:
    void setUpFind();
    // The names the words match, listed as they are typed; a pick or Enter finds.
    void setUpCompletion();
    void setUpOrderOfBattle(QWidget& speedBar);
    const ZeKCounter& counterByRow(int row) const;
    // The label names the shown counter where it stands now, so it follows a move.
    void describeShown();

    FeatureContext context_;
    MapFeature& mapFeature_;
    PlayFeature& play_;
    QList<QAction*> toolBarActions_;
    QLineEdit* findEdit_ = nullptr;
    QStringListModel* findNames_ = nullptr;
    QLabel* findStatus_ = nullptr;
    OrderOfBattleDock* orderOfBattleDock_ = nullptr;
    StackViewer* stackViewer_ = nullptr;
    CounterFlash* counterFlash_ = nullptr;
    // The last search: its words, the rows it matched and the one shown (-1: none yet).
    QString findQuery_;
    std::vector<int> findMatches_;
    int findAt_ = -1;
    bool findDue_ = false;
    // The counter the label names (1-based row; 0 for none), and whether it is a search's.
    int shownRow_ = 0;
    bool shownFound_ = false;
    // The window grew once to make room for the docked order of battle.
    bool dockWidened_ = false;
};
