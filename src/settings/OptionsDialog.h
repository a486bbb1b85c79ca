#pragma once

#include <array>
#include <filesystem>
#include <optional>

#include <QSize>
#include <QString>

#include "core/GameState.h"
#include "media/SkinnedWindow.h"
#include "settings/SettingsFilePath.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class PictureButton;

// The options dialog: starting level, pre-filled rows, sound and the intro
// flag. It edits the game's own Settings object and writes the settings file
// when the player confirms. The owner creates it at the first opening and
// afterwards only shows it again through Open(); between openings it is only
// hidden, so the level box keeps whatever the player last left in it. It
// first shows the starting level the settings hold when the dialog is made.
class OptionsDialog : public SkinnedWindow {
    Q_OBJECT
public:
    static constexpr QSize InnerSize{173, 330};

    // `settings` must outlive the dialog; `file` says where OK writes the
    // options (usually SettingsFileLocation()).
    OptionsDialog(brixel::Settings& settings, const SettingsLocation& file, QWidget* parent = nullptr);

    // Shows the dialog without blocking. The first call places it right beside
    // `mainWindow`; later calls leave it wherever the player moved it. The
    // three check boxes are set from the settings each time; the level box is
    // left as it is.
    void Open(QWidget* mainWindow);

signals:
    // After OK has stored the options and the dialog is hidden.
    void Confirmed();

protected:
    void LoadPictures(qreal ratio) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QLabel* CreateRowLabel(int index, const char* name, const QString& text, int top);
    QCheckBox* CreateCheckBox(const QString& name, int top);

    // The two picture buttons, top to bottom.
    enum class DialogButton { Ok, Cancel };
    void onButtonReleased(DialogButton button);
    void onLevelBoxLostFocus();
    void onLinkClicked();

    // The level the box holds, when it is a level within 0..9.
    std::optional<double> CheckedLevel() const;
    // Tells the player the level cannot be taken and puts the current
    // setting back into the box (empty while it is unset).
    void RefuseLevel();
    void ConfirmOptions();
    void SaveOrWarn();
    void HideDialog();

    QLineEdit* m_levelBox = nullptr;
    QCheckBox* m_fillLinesBox = nullptr;
    QCheckBox* m_soundBox = nullptr;
    QCheckBox* m_hideIntroBox = nullptr;
    std::array<QLabel*, 4> m_rowLabels{};
    std::array<PictureButton*, 2> m_buttons{};
    QLabel* m_link = nullptr;

    brixel::Settings& m_settings;
    SettingsLocation m_file;
    bool m_placed = false;         // the first opening has put it beside the main window
    bool m_checkingLevel = false;  // the refusal's message box is up; its own focus changes are no check
    bool m_hiding = false;         // focus leaving because the dialog closes is no check either
};
