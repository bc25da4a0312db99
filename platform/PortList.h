#pragma once
// Placeholder: filled in by the serial-port work.
