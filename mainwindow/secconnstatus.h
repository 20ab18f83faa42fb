#pragma once

// The values of the snapshot's "secconn"."status" that the window tells apart.
namespace SecconnStatus {
constexpr int connecting = 1;
constexpr int connected = 2;
constexpr int disconnecting = 3;
constexpr int notConnected = 4;
constexpr int alreadyInNetwork = 5;
} // namespace SecconnStatus
