#pragma once

#include <QtGlobal>

// User-visible texts that several windows and the device link share. They
// are defined once here so that a message and the test that looks for it can
// never drift apart.
//
// A run's status is stored in English (the run log, the register) and
// translated where it is shown, in the context "StoredText".

inline constexpr const char textProgramFinished[] = "Program finished! Saved to %1.txt";
inline constexpr const char textProgramCancelled[] = "Program cancelled! Saved to %1.txt";
inline constexpr const char textConnectionLostCancelled[] = "Connection lost! Program cancelled! Saved to %1.txt";
inline constexpr const char textSuccessfullyCompleted[] = QT_TRANSLATE_NOOP("StoredText", "Successfully completed");
inline constexpr const char textCancelledByUser[] = QT_TRANSLATE_NOOP("StoredText", "Program cancelled by user");
inline constexpr const char textConnectionLost[] = QT_TRANSLATE_NOOP("StoredText", "Connection lost");
inline constexpr const char textSuccess[] = "Success";
inline constexpr const char textSaving[] = "Saving...";
inline constexpr const char textCancelled[] = "Cancelled";
inline constexpr const char textConnectionLostTitle[] = "Connecton Lost";
inline constexpr const char textHome[] = "Home";
inline constexpr const char textPrograms[] = "Programs";
inline constexpr const char textProgramModified[] = "The program has been modified.";
inline constexpr const char textSaveChanges[] = "Do you want to save your changes?";
inline constexpr const char textApplicationTitle[] = "Vaporin Regulon";
inline constexpr const char textSomethingWrong[] = "Something went wrong! Please try again!";
inline constexpr const char textTimeout[] = "Timeout! Please try again!";
inline constexpr const char textNoStep[] = "No step!";
inline constexpr const char textAtLeastOneStep[] = "Must be at least 1 step.";
inline constexpr const char textInvalidProgram[] = "Invalid Program!";
// UTF-8 source text: convert with QString::fromUtf8.
inline constexpr const char textLastStepTemperature[] = "The temperature of the last step must be less than 80.0\u00b0C.";
// What the refusal above asks for; UTF-8 too.
inline constexpr const char textAddCoolingStep[] = "Add a cooling step at 80.0 \u00b0C or below as the last step.";
// The status of a run whose station was closed while the controller ran on.
inline constexpr const char textStationClosed[] = QT_TRANSLATE_NOOP("StoredText", "Station closed during the run");
