#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

// A component's notification to its host. Unlike a Qt signal it lets a
// run-time error thrown by a handler unwind to whoever raised the event, and
// handlers run synchronously and may nest. Most events carry nothing; an
// observer's may carry what it observed.
template<typename... Args> class BasicEvent
{
public:
    BasicEvent() = default;
    BasicEvent(const BasicEvent &) = delete;
    BasicEvent &operator=(const BasicEvent &) = delete;

    void connect(std::function<void(Args...)> handler) { handlers_.push_back(std::move(handler)); }

    void raise(Args... args) const
    {
        // By index and on a copy, so that a handler may connect another while
        // it runs: growing the list moves the handlers it holds.
        for (std::size_t i = 0; i < handlers_.size(); ++i) {
            const std::function<void(Args...)> handler = handlers_[i];
            handler(args...);
        }
    }

private:
    std::vector<std::function<void(Args...)>> handlers_;
};

using Event = BasicEvent<>;
