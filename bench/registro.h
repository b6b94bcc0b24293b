#pragma once

/** The grading window's register with 10,000 series against a bare QTableView over the same
    rows: opened until painted, and filtered by a pupil's name until painted; giri rounds each.
    Needs the class record started on the user's data folder. */
void registroDocente(int giri);
