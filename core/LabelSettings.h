#pragma once

// The barcode label settings, top-level keys of the settings store: whether
// item labels and location labels carry a name, and how many of its
// characters. Read where a label is made, not cached.
//
// A value that is not a flag ("true" or "false"), or a length outside
// 1..maxNameLength, takes its default, so a damaged setting neither empties
// every label nor asks for a name of two thousand million characters.
class LabelSettings
{
public:
    // The longest name the database holds: a longer length cuts nothing more.
    static constexpr int maxNameLength = 199;
    static constexpr int defaultNameLength = 10;

    // "EnableNameOnLabels", default false.
    static bool namesOnItemLabels();
    // "BarcodeItemNameLabelLength", default 10.
    static int itemNameLength();
    // "EnableLocationNameOnLabels", default false.
    static bool namesOnLocationLabels();
    // "BarcodeLocationNameLabeLength" (the key is spelled so), default 10.
    static int locationNameLength();
};
