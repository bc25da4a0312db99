# tekstor_ui and Tekstor: filled in by the window work.
