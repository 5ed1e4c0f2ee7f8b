// Windows that exist at most once: the first reference builds the window, closing it ends
// it, and the next reference builds a fresh one.
#pragma once

#include <QPointer>
#include <QWidget>

namespace fw {

template <typename W>
class SingleWindow {
public:
    // The open window, or a new one made by make() and set to end when it closes.
    template <typename Make>
    static W& get(Make&& make)
    {
        if (!s_window) {
            s_window = make();
            s_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        return *s_window;
    }
    static W& get()
    {
        return get([] { return new W(); });
    }
    // The open window, or nullptr.
    static W* find() { return s_window.data(); }

private:
    static inline QPointer<W> s_window;
};

} // namespace fw
