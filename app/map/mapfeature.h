#pragma once

#include "app/shell/featurecontext.h"

#include <QList>
#include <QObject>

#include <memory>

class LossBadges;
class MapOverlay;
class MapScene;
class OverviewMap;
class QAction;
class QComboBox;
class QDockWidget;
class QImage;
class QWidgetAction;
class QPixmap;

// The map view's own commands: zoom in and out, 100%, fit width and fit window, the zoom
// control, the overview dock and readable losses, and what of them is remembered between
// runs. It gives the view and the overview the scene they draw the game from.
class MapFeature : public QObject {
    Q_OBJECT
public:
    explicit MapFeature(const FeatureContext& context);
    // The views stop drawing the game (and wait for pictures under way) before the scene goes.
    ~MapFeature() override;

    // For the Korva tool bar, in order.
    QList<QAction*> toolBarActions() const { return toolBarActions_; }
    QDockWidget& overviewDock() { return *overviewDock_; }
    // The readable losses over the counters.
    QList<MapOverlay*> overlays() const;
    // What the views draw the game from when zoomed or sharp.
    MapScene& scene() { return *scene_; }

    // The zoom, the overview and readable losses as the last run left them; and kept.
    void restoreView();
    void saveView() const;

    // The picture of a counter as the map shows it at its zoom.
    QPixmap pictureAtZoom(int id, const QImage& picture) const;
    void centreOnHex(int hex);
    // Scrolls the view to the off-board holding area, where a new game sets the counters.
    void showHoldingArea();

private:
    QWidgetAction* makeZoomControl();
    void setUpZoomCommands();
    void setUpOverview();
    void setUpScrollKeys();
    void showZoom();
    void applyZoomText();

    FeatureContext context_;
    std::unique_ptr<MapScene> scene_;
    std::unique_ptr<LossBadges> lossBadges_;
    QList<QAction*> toolBarActions_;
    QComboBox* zoomBox_ = nullptr;
    QDockWidget* overviewDock_ = nullptr;
    OverviewMap* overviewMap_ = nullptr;
};
