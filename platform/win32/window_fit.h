// Sizing the main window around a client area. The outer sizes the game
// asks for hold the drawing only with the classic frame, caption and menu
// bar; larger decorations would cut its bottom off.
#pragma once

struct WindowRect {
    int x;
    int y;
    int width;
    int height;
};

// The outer rectangle that gives a client area of wantedWidth x
// wantedHeight, when the outer rectangle window gives clientWidth x
// clientHeight today. The change is split evenly between the sides, so the
// window keeps its centre.
WindowRect FitToClient(WindowRect window, int clientWidth, int clientHeight, int wantedWidth,
                       int wantedHeight);
