#pragma once
// For screen-reader users a disabled drop-down list is not read out: a read-only text box
// in its place shows the asset type instead.

class QComboBox;

void ShowAssetTypeAsText(QComboBox* combo);
