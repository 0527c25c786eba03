#pragma once

#include <QtGlobal>

// User-visible texts that several windows and the device link share. They
// are defined once here so that a message and the test that looks for it can
// never drift apart.
//
// A run's status is stored in English (the run log, the register) and
// translated where it is shown, in the context "StoredText"; so are the
// failure messages of a program write, which its audit event keeps. The
// other texts are only shown, by the main window, in its context.

inline constexpr const char textProgramFinished[] = QT_TRANSLATE_NOOP("MainWindow", "Program finished! Saved to %1.txt");
inline constexpr const char textProgramCancelled[] = QT_TRANSLATE_NOOP("MainWindow", "Program cancelled! Saved to %1.txt");
inline constexpr const char textConnectionLostCancelled[] = QT_TRANSLATE_NOOP("MainWindow", "Connection lost! Program cancelled! Saved to %1.txt");
inline constexpr const char textSuccessfullyCompleted[] = QT_TRANSLATE_NOOP("StoredText", "Successfully completed");
inline constexpr const char textCancelledByUser[] = QT_TRANSLATE_NOOP("StoredText", "Program cancelled by user");
inline constexpr const char textConnectionLost[] = QT_TRANSLATE_NOOP("StoredText", "Connection lost");
inline constexpr const char textSuccess[] = QT_TRANSLATE_NOOP("MainWindow", "Success");
inline constexpr const char textSaving[] = QT_TRANSLATE_NOOP("MainWindow", "Saving...");
inline constexpr const char textCancelled[] = QT_TRANSLATE_NOOP("MainWindow", "Cancelled");
inline constexpr const char textConnectionLostTitle[] = QT_TRANSLATE_NOOP("MainWindow", "Connecton Lost");
inline constexpr const char textHome[] = QT_TRANSLATE_NOOP("MainWindow", "Home");
inline constexpr const char textPrograms[] = QT_TRANSLATE_NOOP("MainWindow", "Programs");
inline constexpr const char textProgramModified[] = QT_TRANSLATE_NOOP("MainWindow", "The program has been modified.");
inline constexpr const char textSaveChanges[] = QT_TRANSLATE_NOOP("MainWindow", "Do you want to save your changes?");
inline constexpr const char textApplicationTitle[] = QT_TRANSLATE_NOOP("MainWindow", "Vaporin Regulon");
inline constexpr const char textSomethingWrong[] = QT_TRANSLATE_NOOP("StoredText", "Something went wrong! Please try again!");
inline constexpr const char textTimeout[] = QT_TRANSLATE_NOOP("StoredText", "Timeout! Please try again!");
inline constexpr const char textNoStep[] = QT_TRANSLATE_NOOP("MainWindow", "No step!");
inline constexpr const char textAtLeastOneStep[] = QT_TRANSLATE_NOOP("MainWindow", "Must be at least 1 step.");
inline constexpr const char textInvalidProgram[] = QT_TRANSLATE_NOOP("MainWindow", "Invalid Program!");
// UTF-8 source texts.
inline constexpr const char textLastStepTemperature[] = QT_TRANSLATE_NOOP("MainWindow", "The temperature of the last step must be less than 80.0°C.");
// What the refusal above asks for.
inline constexpr const char textAddCoolingStep[] = QT_TRANSLATE_NOOP("MainWindow", "Add a cooling step at 80.0 °C or below as the last step.");
// The status of a run whose station was closed while the controller ran on.
inline constexpr const char textStationClosed[] = QT_TRANSLATE_NOOP("StoredText", "Station closed during the run");
// Statuses of runs that the controller ended with an error.
inline constexpr const char textStoppedByError[] = QT_TRANSLATE_NOOP("StoredText", "Program stopped by error.");
inline constexpr const char textStoppedBySensorError[] = QT_TRANSLATE_NOOP("StoredText", "Program stopped by sensor error.");
inline constexpr const char textSensorError[] = QT_TRANSLATE_NOOP("MainWindow", "Sensor Error! Please restart the controller!");
inline constexpr const char textSensorErrorSaved[] =
    QT_TRANSLATE_NOOP("MainWindow", "Sensor Error! Please restart the controller!\nSaved to %1.txt");
// The controller's alarm that the main window recognises, as the device link
// reports it (in English; translated where shown).
inline constexpr const char textAlreadyRunning[] = "A program is already running.";
inline constexpr const char textControllerError[] = "Vaporin - Error";
