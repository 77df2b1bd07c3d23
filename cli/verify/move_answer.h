#pragma once

#include <QString>

#include <array>

// What keeps an old address from moving permanently to its new page, one kind each, in the
// order of the counts.
enum class MoveFault {
    TemporaryRedirect,
    DelayedRefresh,
    Chain,
    Loop,
    WrongTarget,
    QueryDropped,
    NewPageMissing,
    NotRedirected,
    TimedOut,
    NetworkError,
};
inline constexpr std::size_t kMoveFaultKinds = std::size_t(MoveFault::NetworkError) + 1;

// How an old address moves: permanently to its new page, or not, and why in words.
struct MoveAnswer {
    bool moves = true;
    MoveFault fault = MoveFault::NotRedirected; // when it does not move
    QString reason = {};                        // empty when it moves
};

MoveAnswer Moved();
// "temporary redirect (302)"
MoveAnswer TemporaryRedirect(int status);
// "refresh after 5 s (temporary to search engines)"
MoveAnswer DelayedRefresh(int seconds);
// "chain of 2 redirects"; past `followed`, "chain of more than 5 redirects"
MoveAnswer Chain(int redirects, int followed);
MoveAnswer Loop();
// "wrong target: ADDRESS"
MoveAnswer WrongTarget(const QString& address);
MoveAnswer QueryDropped();
// "new page missing (404)"
MoveAnswer NewPageMissing(int status);
// "not redirected (200)"
MoveAnswer NotRedirected(int status);
MoveAnswer TimedOut();
// The network's own error text ("Connection refused").
MoveAnswer NetworkError(const QString& text);

// How many old addresses had each kind of fault.
class MoveFaultCounts {
public:
    void add(const MoveAnswer& answer);
    // The kinds that happened, in the order of MoveFault, each with its count and its name in
    // the singular or the plural, separated by commas: "2 temporary redirects, 1 loop"; empty
    // when none did.
    QString text() const;

private:
    std::array<qsizetype, kMoveFaultKinds> counts{};
};
