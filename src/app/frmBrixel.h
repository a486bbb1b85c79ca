#pragma once

#include <array>
#include <functional>

#include <QString>

#include "app/ActivationTracker.h"
#include "app/BackBuffer.h"
#include "app/QtGameHost.h"
#include "engine/Brixel.h"
#include "media/SkinnedWindow.h"

class PictureButton;
class QLabel;
class WellView;

// The main window: the well, the preview of the next piece, the counters,
// the four menu buttons and the minimise and exit buttons on the skin's
// background. It owns the game; a game runs inside the "Neues spiel" button's
// handler and everything else happens in the game's waits.
class frmBrixel : public SkinnedWindow {
    Q_OBJECT
public:
    static constexpr QSize ClientSize{336, 328};

    explicit frmBrixel(QWidget* parent = nullptr);
    ~frmBrixel() override;

    brixel::Brixel& Game() { return m_brixel; }
    QtGameHost& Host() { return m_host; }

    // Start-up once the other windows exist: centre, show, take the focus.
    void Form_Load();

    // Set by whoever owns the other windows. "High-Score" and "Option" after
    // their buttons act; the close hook when this window closes, to close
    // the options dialog, the picture holder and the high-score window.
    std::function<void()> onHighScores;
    std::function<void()> onOptions;
    std::function<void()> onCloseOtherWindows;

    // The window side of the game's drawing, called by the host.
    void PaintTile(int col, int row, int tile) { m_picBoard2.PaintTile(col, row, tile); }
    void PresentWell();
    void SetCounterText(brixel::Counter counter, const QString& text);
    void ShowPreview(int pieceType);
    void SetIntroVisible(bool visible);
    const BackBuffer& BackBufferImage() const { return m_picBoard2; }

signals:
    // The window has been closed and no game is running any more: the
    // program may end now.
    void ProgramEnded();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    QLabel* CreateLabel(const char* name, const QString& text, QRect place, const QFont& font, QColor colour);
    PictureButton* CreateButton(const char* name, QPoint place, const QPixmap& released, const QPixmap& pressed);

    void Form_Activate();
    void Form_Resize();
    void Form_KeyDown(int keyCode);
    void Image2_MouseDown(int Index);
    void Image2_MouseUp(int Index);
    void Image3_MouseUp(int Index);
    void LoadTitleButtonPictures();
    static bool IsGameWindow(const QWindow* window);
    void RunNewGame();

    QtGameHost m_host;
    brixel::Brixel m_brixel;

    BackBuffer m_picBoard2;
    WellView* picBoard = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* picNext = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* lblLines = nullptr;
    QLabel* lblLevel = nullptr;
    std::array<PictureButton*, 4> Image2{};
    std::array<PictureButton*, 2> Image3{};

    ActivationTracker m_activation{nullptr, &IsGameWindow};
    bool m_shownBefore = false;
    bool m_closed = false;
    int m_gamesRunning = 0;  // NewGame calls under way; a new game can start inside a running one
};
