#pragma once
// Placeholder: the "texts" command of quarnctl, filled in by the display-text work.
