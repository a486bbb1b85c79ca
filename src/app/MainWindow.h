#pragma once

#include <array>
#include <functional>

#include <QString>

#include "app/ActivationTracker.h"
#include "app/BackBuffer.h"
#include "app/QtGameHost.h"
#include "engine/Game.h"
#include "media/SkinnedWindow.h"

class PictureButton;
class QLabel;
class WellView;

// The main window: the well, the preview of the next piece, the counters,
// the four menu buttons and the minimise and exit buttons on the skin's
// background. It owns the game; a game runs inside the "Neues spiel" button's
// handler and everything else happens in the game's waits.
class MainWindow : public SkinnedWindow {
    Q_OBJECT
public:
    // The menu's four buttons on the right, top to bottom.
    enum class MenuButton { NewGame, HighScores, Options, Pause };
    // The two small buttons in the title bar, left to right.
    enum class TitleButton { Minimise, Close };

    static constexpr QSize ClientSize{336, 328};
    // How long a desktop may take to take the window off the screen after
    // the minimise button asked it to.
    static constexpr int MinimiseGrace = 500;  // milliseconds

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    brixel::Game& Game() { return m_game; }
    QtGameHost& Host() { return m_host; }

    // Start-up once the other windows exist: centre, show, take the focus.
    void ShowCentred();

    // Set by whoever owns the other windows. "High-Score" and "Option" after
    // their buttons act; the close hook when this window closes, to close
    // the options dialog, the picture holder and the high-score window.
    std::function<void()> onHighScores;
    std::function<void()> onOptions;
    std::function<void()> onCloseOtherWindows;

    // The window side of the game's drawing, called by the host.
    void PaintTile(int col, int row, int tile) { m_backBuffer.PaintTile(col, row, tile); }
    void PresentWell();
    void SetCounterText(brixel::Counter counter, const QString& text);
    void ShowPreview(int pieceType);
    void SetIntroVisible(bool visible);

signals:
    // The window has been closed and no game is running any more: the
    // program may end now.
    void ProgramEnded();

protected:
    void LoadPictures(qreal ratio) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    QLabel* CreateLabel(const char* name, const QString& text, QRect place, const QFont& font, QColor colour);
    PictureButton* CreateButton(const char* name, QPoint place);  // pictures come with LoadPictures

    void onActivated();
    void onWindowStateChanged();
    void onKeyPressed(int keyCode);
    void onMenuButtonPressed(MenuButton button);
    void onMenuButtonReleased(MenuButton button);
    void onTitleButtonReleased(TitleButton button);
    PictureButton* Button(MenuButton button) const { return m_menuButtons[static_cast<std::size_t>(button)]; }
    PictureButton* Button(TitleButton button) const { return m_titleButtons[static_cast<std::size_t>(button)]; }
    void RunNewGame();

    QtGameHost m_host;
    brixel::Game m_game;

    BackBuffer m_backBuffer;
    WellView* m_well = nullptr;
    QLabel* m_intro = nullptr;
    QLabel* m_preview = nullptr;
    QLabel* m_scoreLabel = nullptr;
    QLabel* m_linesLabel = nullptr;
    QLabel* m_levelLabel = nullptr;
    std::array<PictureButton*, 4> m_menuButtons{};
    std::array<PictureButton*, 2> m_titleButtons{};

    ActivationTracker m_activation{nullptr, &ActivationTracker::IsSkinnedWindow};
    std::array<QPixmap, 7> m_previewPictures;  // the next piece of each type, for the screen's scale; null until first shown
    qreal m_pictureRatio = 1.0;  // device pixel ratio the window's pictures are loaded for
    int m_previewType = 0;  // the piece type the preview shows, 0 before the first
    bool m_shownBefore = false;
    bool m_closed = false;
    int m_gamesRunning = 0;  // NewGame calls under way; a new game can start inside a running one
};
