// Palm database writing for the content builder and the test fixtures.
