#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>

#include "../support/QtPrinters.h"
#include "highscores/HighScoreWindow.h"
#include "media/PictureButton.h"

namespace brixel::test {

// Plays the player in the modal windows a call opens: each step waits for a
// visible modal window of its type and acts on it from inside that window's
// loop. A modal window nobody expected is noted and hidden, and a step that
// never comes fails and hides its window if it is open at all, so a wrong
// dialog cannot hang the run.
class ModalPlayer {
public:
    ModalPlayer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(5);
        m_sinceLastStep.start();
    }

    template <class Window, class Action>
    ModalPlayer& Then(Action action)
    {
        m_steps.push_back({&Window::staticMetaObject, [action](QWidget* w) { action(static_cast<Window*>(w)); }});
        return *this;
    }

    bool Done() const { return m_steps.empty(); }
    const QStringList& Unexpected() const { return m_unexpected; }

private:
    struct Step {
        const QMetaObject* type;
        std::function<void(QWidget*)> action;
    };

    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            if (!m_steps.empty() && modal->metaObject()->inherits(m_steps.front().type)) {
                const Step step = m_steps.front();
                m_steps.pop_front();
                m_sinceLastStep.restart();
                step.action(modal);
            } else {
                m_unexpected << modal->metaObject()->className();
                modal->hide();
            }
        } else if (!m_steps.empty() && m_sinceLastStep.elapsed() > 5000) {
            ADD_FAILURE() << "no modal " << m_steps.front().type->className() << " showed up";
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->metaObject()->inherits(m_steps.front().type)) {
                    window->hide();
                }
            }
            m_steps.clear();
        }
    }

    QTimer m_timer;
    QElapsedTimer m_sinceLastStep;
    std::deque<Step> m_steps;
    QStringList m_unexpected;
};

// The five rows as the player reads them: "1. Anna 3000".
inline QStringList RowTexts(const HighScoreWindow& window)
{
    QStringList rows;
    for (int i = 1; i <= HighScoreCount; ++i) {
        rows << window.RankLabel(i - 1)->text() + " " + window.NameLabel(i)->text() + " " + window.ScoreLabel(i)->text();
    }
    return rows;
}

// Notes what the window shows and where, then presses "OK".
inline std::function<void(HighScoreWindow*)> LookAndClose(QStringList& rows, QPoint* where = nullptr)
{
    return [&rows, where](HighScoreWindow* window) {
        rows = RowTexts(*window);
        if (where != nullptr) {
            *where = window->pos();
        }
        QTest::mouseClick(window->OkButton(), Qt::LeftButton);
    };
}

}  // namespace brixel::test
