-- The class's progress, shared by the classroom machines of a school.
-- Load it once into an empty database as its owner:
--     createdb vocalune && psql -d vocalune -f schema.sql
-- then make one login for each class and one for each teacher (README,
-- "The class's server"). Loading it again changes nothing.
--
-- A machine only ever adds: pupils by name within their class, and answers
-- under the id the machine made when the answer was given. A push that is
-- retried cannot count an answer twice, and two machines' answers merge as
-- their union.

SET client_min_messages = warning;
BEGIN;

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'vocalune_machine') THEN
        CREATE ROLE vocalune_machine NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'vocalune_teacher') THEN
        CREATE ROLE vocalune_teacher NOLOGIN;
    END IF;
END
$$;

-- Which class each machine login belongs to.
CREATE TABLE IF NOT EXISTS machine_logins (
    login name PRIMARY KEY,
    class text NOT NULL CHECK (char_length(class) BETWEEN 1 AND 16)
);

CREATE TABLE IF NOT EXISTS pupils (
    class text NOT NULL CHECK (char_length(class) BETWEEN 1 AND 16),
    name text NOT NULL CHECK (char_length(name) BETWEEN 1 AND 16),
    picture text NOT NULL DEFAULT '',
    added timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (class, name)
);

CREATE TABLE IF NOT EXISTS answers (
    id uuid PRIMARY KEY,
    class text NOT NULL,
    pupil text NOT NULL,
    dictionary text NOT NULL CHECK (char_length(dictionary) BETWEEN 1 AND 64),
    word text NOT NULL CHECK (char_length(word) BETWEEN 1 AND 64),
    game smallint NOT NULL CHECK (game IN (0, 1)),
    outcome smallint NOT NULL CHECK (outcome IN (0, 1, 2)),
    at timestamptz NOT NULL,
    -- The transaction that added the row: a machine fetches what was added
    -- since the oldest transaction still running at its last fetch, so no row
    -- committed late is ever skipped.
    tx xid8 NOT NULL DEFAULT pg_current_xact_id(),
    FOREIGN KEY (class, pupil) REFERENCES pupils (class, name)
);

CREATE INDEX IF NOT EXISTS answers_by_pupil ON answers (class, pupil, tx);
CREATE INDEX IF NOT EXISTS answers_by_class ON answers (class, at);

-- A machine sees and adds only the rows of its own class.
ALTER TABLE machine_logins ENABLE ROW LEVEL SECURITY;
ALTER TABLE pupils ENABLE ROW LEVEL SECURITY;
ALTER TABLE answers ENABLE ROW LEVEL SECURITY;

DROP POLICY IF EXISTS own_login ON machine_logins;
CREATE POLICY own_login ON machine_logins TO vocalune_machine USING (login = current_user);
DROP POLICY IF EXISTS teacher_logins ON machine_logins;
CREATE POLICY teacher_logins ON machine_logins TO vocalune_teacher USING (true);
DROP POLICY IF EXISTS machine_pupils ON pupils;
CREATE POLICY machine_pupils ON pupils TO vocalune_machine
    USING (class = (SELECT m.class FROM machine_logins m WHERE m.login = current_user))
    WITH CHECK (class = (SELECT m.class FROM machine_logins m WHERE m.login = current_user));
DROP POLICY IF EXISTS machine_answers ON answers;
CREATE POLICY machine_answers ON answers TO vocalune_machine
    USING (class = (SELECT m.class FROM machine_logins m WHERE m.login = current_user))
    WITH CHECK (class = (SELECT m.class FROM machine_logins m WHERE m.login = current_user));
DROP POLICY IF EXISTS teacher_pupils ON pupils;
CREATE POLICY teacher_pupils ON pupils TO vocalune_teacher USING (true);
DROP POLICY IF EXISTS teacher_answers ON answers;
CREATE POLICY teacher_answers ON answers TO vocalune_teacher USING (true);

REVOKE ALL ON machine_logins, pupils, answers FROM PUBLIC;
GRANT SELECT ON machine_logins TO vocalune_machine;
GRANT SELECT, INSERT ON pupils, answers TO vocalune_machine;
GRANT SELECT ON machine_logins, pupils, answers TO vocalune_teacher;

COMMIT;
