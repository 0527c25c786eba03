#pragma once

class QWidget;

// Closing the station: "Do you want to exit?", and while a program runs a
// second question that says what closing does to the run, since the
// controller runs on without the station.
class ExitQuestion
{
public:
    // Whether the user confirmed every question asked.
    static bool confirm(QWidget *parent, bool programRunning);
};
