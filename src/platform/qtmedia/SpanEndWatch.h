#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace platform {

// For a player that cannot stop feeding at a given sample: while a span plays, the position is
// read every millisecond and the player is silenced (paused underneath) `lead` before the end,
// the time its pause takes to be heard. From then on the span is over: the player reports a
// position moving on past the end, as if it played silence, until its caller pauses or seeks.
class SpanEndWatch : public QObject {
    Q_OBJECT
public:
    // `lead` and the positions are in the player's unit; `unitsPerSecond` turns time into it.
    SpanEndWatch(std::function<double()> position, std::function<void()> silence, double lead,
                 double unitsPerSecond, QObject* parent = nullptr);

    void watch(double end, double rate);
    void cancel();
    // The end has been reached and the player silenced.
    bool over() const { return over_; }
    // The position while over: the end plus the time since, at the play's rate.
    double positionPastEnd() const;

private:
    void check();

    std::function<double()> position_;
    std::function<void()> silence_;
    const double lead_;
    const double unitsPerSecond_;
    std::optional<double> end_;
    double rate_ = 1.0;
    bool over_ = false;
    QElapsedTimer since_;
    QTimer timer_;
};

} // namespace platform
