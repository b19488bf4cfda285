// Sampling from still snapshots of every monitor, for magnifiers whose frames can't be used.
#pragma once

// Border around each monitor's snapshot, as wide as the grid reaches from the cursor, so that
// every read for a cursor on the monitor stays inside the snapshot.
constexpr int SNAPSHOT_BORDER = 8;

// Captures every monitor of the table once, each into a snapshot with a black border.
void CaptureMonitors();

// The tick routine of the snapshot source: fills the grid from the snapshot under the cursor.
void SnapshotTick();

// Deletes the snapshots; runs at shutdown, before the imaging library shuts down.
void ReleaseSnapshots();
