// Every text that the window shows in Instruction: the prompts that lead the
// user through the dialogue and the refusals of what was entered. Each fits
// on the one line of the label in its handwriting font; a new prompt goes
// into kAllPrompts too, so that the test of their widths sees it.
#pragma once

#include <string_view>

namespace prompts {

// Leading through the dialogue.
inline constexpr std::string_view kStart = "Mit OK starten!";
inline constexpr std::string_view kParameters = "Parameter eingeben!";
inline constexpr std::string_view kDisturbance = "Störgröße definieren!";
inline constexpr std::string_view kReference = "Führungsgröße definieren!";
inline constexpr std::string_view kResults = "Verläufe graphisch anzeigen!";
inline constexpr std::string_view kChangeParameters = "Parameter ändern?";
inline constexpr std::string_view kDrawCurve = "mit Optionstaste Kurve zeichnen!";

// The five checks of a parameter set.
inline constexpr std::string_view kNoDeadTime = "Totzeit berücksichtigen!";
inline constexpr std::string_view kNoControllerGain = "Keine Verstärkung im Regler!";
inline constexpr std::string_view kNoPlantGain = "Keine Verstärkung in der Strecke!";
inline constexpr std::string_view kNoControllerTimeConstant = "Keine Zeitkonstante im Regler!";
inline constexpr std::string_view kNoPlantTimeConstant = "Keine Zeitkonstante in d.Strecke!";

// What else the simulation cannot take.
inline constexpr std::string_view kDecimalComma = "Dezimalpunkt statt Komma!";
inline constexpr std::string_view kValueTooLarge = "Parameterwert zu groß!";
inline constexpr std::string_view kDeadTimeNotWhole = "Totzeit ganzzahlig ab 0 eingeben!";
inline constexpr std::string_view kControllerTimeConstantsCancel = "Summe T2+T1+T0 im Regler ist 0!";
inline constexpr std::string_view kPlantTimeConstantsCancel = "Summe T2+T1+T0 in d.Strecke ist 0!";
inline constexpr std::string_view kIncompleteCurve = "Kurvenzug vervollständigen!";
inline constexpr std::string_view kZeroScale = "y-Maßstab ungleich 0 eingeben!";

inline constexpr std::string_view kAllPrompts[] = {
    kStart,
    kParameters,
    kDisturbance,
    kReference,
    kResults,
    kChangeParameters,
    kDrawCurve,
    kNoDeadTime,
    kNoControllerGain,
    kNoPlantGain,
    kNoControllerTimeConstant,
    kNoPlantTimeConstant,
    kDecimalComma,
    kValueTooLarge,
    kDeadTimeNotWhole,
    kControllerTimeConstantsCancel,
    kPlantTimeConstantsCancel,
    kIncompleteCurve,
    kZeroScale,
};

}  // namespace prompts
