// The real main window for a benchmark program: Qt's offscreen platform, the card library
// registered in a configuration folder of the run's own, and a program folder whose settings name
// a folder that does not exist, so the window starts without scanning anything.
#pragma once

#include "app/window/frm_main.h"

#include <cstdint>
#include <memory>
#include <QApplication>
#include <QTemporaryDir>
#include <vector>

struct BenchWindow {
    QTemporaryDir configuration;
    QTemporaryDir programFolder;
    std::unique_ptr<QApplication> application;
    std::unique_ptr<frmMain> form;
};

// The window, shown; nothing (with a line on stderr saying why) when it cannot be had.
std::unique_ptr<BenchWindow> openBenchWindow(char* programName);

// A vehicle of `frames` square frames of `size` pixels and a square 2D image of the same size,
// with varied colours and transparencies, as a real one has; `seed` varies the pixels.
std::vector<std::uint8_t> variedVehicleBytes(int seed, int frames, int size);
