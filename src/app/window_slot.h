#pragma once

#include <QPointer>
#include <QWidget>

// Holds the one instance of a tool window. The window is built on the first open and
// discarded when closed (it deletes itself), so the next open builds a fresh one.
template <class Window> class WindowSlot {
public:
    template <class Make> Window* open(Make&& make)
    {
        // A closed window is hidden and already queued for deletion: never show it again.
        if (m_window && !m_window->isVisible())
            m_window.clear();
        if (!m_window)
            m_window = make();
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return m_window;
    }

    Window* window() const { return m_window; }

private:
    QPointer<Window> m_window;
};
