// Included by its bare name from another layer.
