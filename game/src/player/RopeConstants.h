#pragma once

#include <cstdint>

// The numbers of the rope game. Every one applies once per frame; positions
// are world pixels and velocities pixels per frame. The float constants are
// 32-bit floats (0.3f is 0.300000011920928955078125, 0.985f is
// 0.98500001430511474609375); the pull factor is an extended constant.

constexpr float StartX = 64.0f;
constexpr float StartY = 16.0f;
constexpr std::int16_t StartHookX = 64;
constexpr std::int16_t StartHookY = 16;

constexpr float PushPerFrame = 0.3f;

constexpr std::int16_t RopeStep = 8;
constexpr std::int16_t ShortestRope = 0;
constexpr std::int16_t LongestRope = 200;
constexpr std::int16_t RestRopeLength = 100;

// While the fire button is up the hook rests this far right of and below the
// player's position.
constexpr std::int16_t HookRestOffset = 16;
// A flying hook moves this far up and to the side, on top of the player's
// own velocity; the flight counter grows by its step, and the flight ends
// once the counter is above the limit.
constexpr std::int16_t HookSpeed = 12;
constexpr std::int16_t FlightCounterStep = 10;
constexpr std::int16_t FlightLimit = 200;

constexpr long double PullFactor = 0.1L;  // pull per pixel of overshoot
constexpr float PullLimit = -7.0f;        // the strongest pull
constexpr float Gravity = 1.5f;
constexpr float Damping = 0.985f;
constexpr float FallLine = 1920.0f;  // below this the attempt is lost

// What QelGetButton reports.
constexpr int FireButtonBit = 0x01;
constexpr int EscapeButtonBit = 0x80;
