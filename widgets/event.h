#pragma once

#include <functional>
#include <utility>
#include <vector>

// A component's notification to its host. Unlike a Qt signal it lets a
// run-time error thrown by a handler unwind to whoever raised the event, and
// handlers run synchronously and may nest.
class Event
{
public:
    Event() = default;
    Event(const Event &) = delete;
    Event &operator=(const Event &) = delete;

    void connect(std::function<void()> handler) { handlers_.push_back(std::move(handler)); }

    void raise() const
    {
        for (const auto &handler : handlers_)
            handler();
    }

private:
    std::vector<std::function<void()>> handlers_;
};
